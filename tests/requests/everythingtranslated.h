#pragma once

#include <QTranslator>

// Answers every translation with the same foreign text, as a translated build would.
class EverythingTranslated : public QTranslator
{
public:
    QString translate(const char *, const char *, const char *, int) const override
    {
        return QStringLiteral("Übersetzt");
    }
    bool isEmpty() const override { return false; }
};
