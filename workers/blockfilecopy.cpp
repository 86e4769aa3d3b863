#include "blockfilecopy.h"

#include "workers/freefilename.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

QString BlockFileCopy::copy(const QString &source, const FreeFileName &target)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        qWarning() << "Error open tmp file" << source << input.errorString();
        return QString();
    }
    QTemporaryFile output(target.folder() + QStringLiteral("/.vellixcopy-XXXXXX"));
    if (!output.open()) {
        qWarning() << "Error open target file" << output.fileTemplate() << output.errorString();
        return QString();
    }
    QElapsedTimer elapsed;
    elapsed.start();
    while (!input.atEnd()) {
        const QByteArray block = input.read(s_blockSize);
        if (block.isEmpty() && input.error() != QFileDevice::NoError) {
            qWarning() << "Error read tmp file" << source << input.errorString();
            return QString();
        }
        if (output.write(block) != block.size()) {
            qWarning() << "Error write target file" << output.fileName() << output.errorString();
            return QString();
        }
    }
    if (!output.flush() || output.size() != input.size()) {
        qWarning() << "Error write target file" << output.fileName() << output.errorString();
        return QString();
    }
    output.close();
    input.close();
    qInfo() << "Copy tmp file end in" << elapsed.elapsed();
    // The hidden copy is removed with output unless it took its final name.
    const QString temporaryName = output.fileName();
    return target.place([&temporaryName](const QString &name) { return QFile::rename(temporaryName, name); });
}
