#include "converttopdfavailableextensions.h"

#include <QStringList>

bool ConvertToPdfAvailableExtensions::canConvert(const QString &extension)
{
    return extensions().contains(extension);
}

const QSet<QString> &ConvertToPdfAvailableExtensions::extensions()
{
    static const QStringList list = QStringLiteral(
        "doc docm docx docxf dot dotm dotx epub fb2 fodt html mht odt ott oxps pdf rtf txt xps xml "
        "csv fods ods ots xls xlsb xlsm xlsx xlt xltm xltx "
        "fodp odp otp pot potm potx pps ppsm ppsx ppt pptm pptx").split(QLatin1Char(' '));
    static const QSet<QString> set(list.begin(), list.end());
    return set;
}
