#include "translationloader.h"

#include "platform/sailfishapp.h"

#include <QCoreApplication>

bool TranslationLoader::install(const QLocale &locale)
{
    if (!m_translator.load(locale, QStringLiteral(VELLIX_APP_NAME), QStringLiteral("-"),
                           SailfishApp::pathTo(QStringLiteral("translations")).toLocalFile()))
        return false;
    return QCoreApplication::installTranslator(&m_translator);
}
