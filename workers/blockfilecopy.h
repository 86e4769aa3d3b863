#pragma once

#include <QString>

class FreeFileName;

// Copies a file in blocks, on a pool thread (see DownloadPlacement). The copy
// grows under a hidden name in the target folder and takes its free name only
// once complete, so a failed copy leaves nothing that looks like a document.
class BlockFileCopy
{
public:
    static constexpr qint64 s_blockSize = 65536;

    // The path of the finished copy, or an empty string after a failure.
    static QString copy(const QString &source, const FreeFileName &target);
};
