#pragma once

#include <QLocale>
#include <QTranslator>

// Installs the catalogue of the given locale's language; English, the
// language of the sources, needs none.
class TranslationLoader
{
public:
    bool install(const QLocale &locale = QLocale::system());

private:
    QTranslator m_translator;
};
