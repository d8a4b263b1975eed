#include "filemodel/MetadataFile.h"

#include <QFileInfo>

namespace corvelle {

MetadataFile::MetadataFile(std::shared_ptr<halvex::TagEditor> editor) : editor_(std::move(editor)) {}

QUrl MetadataFile::url() const
{
    return editor_->source().url();
}

QString MetadataFile::filename() const
{
    return editor_->fileName();
}

bool MetadataFile::isFolder() const
{
    if (editor_->isFolder())
        return true;
    const QUrl source = url();
    return source.isLocalFile() && QFileInfo(source.toLocalFile()).isDir();
}

QString decodingPasswordKeychainName()
{
    return QStringLiteral("Corvelle decoding password");
}

} // namespace corvelle
