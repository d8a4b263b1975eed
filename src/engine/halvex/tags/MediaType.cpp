#include "engine/halvex/tags/MediaType.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>

#include <vector>

namespace halvex {

struct MediaType::Entry {
    QString identifier;
    MediaKind kind;
    QStringList extensions;
    bool writable;
};

namespace {

using Kind = MediaKind;
constexpr bool kWritable = true;
constexpr bool kReadOnly = false;

// The types ExifTool 12.57 reads (`exiftool -listf`), with the ones it writes (`-listwf`).
const std::vector<MediaType::Entry>& entries()
{
    static const std::vector<MediaType::Entry> table{
        // Movies
        {"MOV", Kind::movie, {"mov", "qt"}, kWritable},
        {"MP4", Kind::movie, {"mp4"}, kWritable},
        {"M4V", Kind::movie, {"m4v"}, kWritable},
        {"3GP", Kind::movie, {"3gp", "3gpp"}, kWritable},
        {"3G2", Kind::movie, {"3g2", "3gp2"}, kWritable},
        {"F4V", Kind::movie, {"f4v"}, kWritable},
        {"LRV", Kind::movie, {"lrv"}, kWritable},
        {"MQV", Kind::movie, {"mqv"}, kWritable},
        {"CRM", Kind::movie, {"crm"}, kWritable},
        {"360", Kind::movie, {"360"}, kWritable},
        {"INSV", Kind::movie, {"insv"}, kReadOnly},
        {"AVI", Kind::movie, {"avi"}, kReadOnly},
        {"MKV", Kind::movie, {"mkv"}, kReadOnly},
        {"WEBM", Kind::movie, {"webm"}, kReadOnly},
        {"WMV", Kind::movie, {"wmv"}, kReadOnly},
        {"ASF", Kind::movie, {"asf"}, kReadOnly},
        {"DIVX", Kind::movie, {"divx"}, kReadOnly},
        {"M2TS", Kind::movie, {"m2ts", "mts", "m2t", "ts"}, kReadOnly},
        {"MPEG", Kind::movie, {"mpg", "mpeg", "m2v"}, kReadOnly},
        {"VOB", Kind::movie, {"vob"}, kReadOnly},
        {"FLV", Kind::movie, {"flv"}, kReadOnly},
        {"OGV", Kind::movie, {"ogv"}, kReadOnly},
        {"DV", Kind::movie, {"dv"}, kReadOnly},
        {"MXF", Kind::movie, {"mxf"}, kReadOnly},
        // Audio
        {"M4A", Kind::audio, {"m4a"}, kWritable},
        {"M4B", Kind::audio, {"m4b"}, kWritable},
        {"M4P", Kind::audio, {"m4p"}, kWritable},
        {"AAX", Kind::audio, {"aax"}, kWritable},
        {"MP3", Kind::audio, {"mp3"}, kReadOnly},
        {"FLAC", Kind::audio, {"flac"}, kReadOnly},
        {"WAV", Kind::audio, {"wav"}, kReadOnly},
        {"AIFF", Kind::audio, {"aiff", "aif", "aifc"}, kReadOnly},
        {"OGG", Kind::audio, {"ogg"}, kReadOnly},
        {"OPUS", Kind::audio, {"opus"}, kReadOnly},
        {"WMA", Kind::audio, {"wma"}, kReadOnly},
        {"APE", Kind::audio, {"ape"}, kReadOnly},
        {"MPC", Kind::audio, {"mpc"}, kReadOnly},
        {"WV", Kind::audio, {"wv"}, kReadOnly},
        {"MKA", Kind::audio, {"mka"}, kReadOnly},
        // Images
        {"JPEG", Kind::image, {"jpg", "jpeg", "jpe"}, kWritable},
        {"PNG", Kind::image, {"png"}, kWritable},
        {"APNG", Kind::image, {"apng"}, kWritable},
        {"TIFF", Kind::image, {"tif", "tiff"}, kWritable},
        {"HEIC", Kind::image, {"heic"}, kWritable},
        {"HEIF", Kind::image, {"heif", "hif"}, kWritable},
        {"AVIF", Kind::image, {"avif"}, kWritable},
        {"WEBP", Kind::image, {"webp"}, kWritable},
        {"GIF", Kind::image, {"gif"}, kWritable},
        {"JP2", Kind::image, {"jp2", "jpf", "jpx", "jpm"}, kWritable},
        {"JXL", Kind::image, {"jxl"}, kWritable},
        {"JXR", Kind::image, {"jxr", "hdp", "wdp"}, kWritable},
        {"PSD", Kind::image, {"psd", "psb", "psdt"}, kWritable},
        {"MPO", Kind::image, {"mpo"}, kWritable},
        {"THM", Kind::image, {"thm"}, kWritable},
        {"INSP", Kind::image, {"insp"}, kWritable},
        {"PPM", Kind::image, {"ppm", "pgm", "pbm"}, kWritable},
        {"DNG", Kind::image, {"dng"}, kWritable},
        {"CR2", Kind::image, {"cr2"}, kWritable},
        {"CR3", Kind::image, {"cr3"}, kWritable},
        {"CRW", Kind::image, {"crw", "ciff"}, kWritable},
        {"NEF", Kind::image, {"nef"}, kWritable},
        {"NRW", Kind::image, {"nrw"}, kWritable},
        {"ARW", Kind::image, {"arw"}, kWritable},
        {"ARQ", Kind::image, {"arq"}, kWritable},
        {"SR2", Kind::image, {"sr2"}, kWritable},
        {"ORF", Kind::image, {"orf", "ori"}, kWritable},
        {"RAF", Kind::image, {"raf"}, kWritable},
        {"RW2", Kind::image, {"rw2"}, kWritable},
        {"RWL", Kind::image, {"rwl"}, kWritable},
        {"RAW", Kind::image, {"raw"}, kWritable},
        {"PEF", Kind::image, {"pef"}, kWritable},
        {"SRW", Kind::image, {"srw"}, kWritable},
        {"ERF", Kind::image, {"erf"}, kWritable},
        {"MEF", Kind::image, {"mef"}, kWritable},
        {"MRW", Kind::image, {"mrw"}, kWritable},
        {"MOS", Kind::image, {"mos"}, kWritable},
        {"IIQ", Kind::image, {"iiq"}, kWritable},
        {"X3F", Kind::image, {"x3f"}, kWritable},
        {"GPR", Kind::image, {"gpr"}, kWritable},
        {"FFF", Kind::image, {"fff"}, kWritable},
        {"SRF", Kind::image, {"srf"}, kReadOnly},
        {"3FR", Kind::image, {"3fr"}, kReadOnly},
        {"DCR", Kind::image, {"dcr"}, kReadOnly},
        {"KDC", Kind::image, {"kdc"}, kReadOnly},
        {"BMP", Kind::image, {"bmp", "dib"}, kReadOnly},
        {"ICO", Kind::image, {"ico"}, kReadOnly},
        {"EXR", Kind::image, {"exr"}, kReadOnly},
        {"XCF", Kind::image, {"xcf"}, kReadOnly},
        // Metadata sidecars
        {"XMP", Kind::sidecar, {"xmp"}, kWritable},
        {"EXV", Kind::sidecar, {"exv"}, kWritable},
        {"MIE", Kind::sidecar, {"mie"}, kWritable},
        {"EXIF", Kind::sidecar, {"exif"}, kWritable},
        {"ICC", Kind::sidecar, {"icc", "icm"}, kWritable},
        {"VRD", Kind::sidecar, {"vrd"}, kWritable},
        {"DR4", Kind::sidecar, {"dr4"}, kWritable},
        {"NKSC", Kind::sidecar, {"nksc"}, kWritable},
        // Documents
        {"PDF", Kind::other, {"pdf"}, kWritable},
        {"AI", Kind::other, {"ai", "ait"}, kWritable},
        {"EPS", Kind::other, {"eps", "epsf", "eps2", "eps3"}, kWritable},
        {"PS", Kind::other, {"ps", "ps2", "ps3"}, kWritable},
        {"INDD", Kind::other, {"indd", "ind", "indt"}, kWritable},
        // Folders come last.
        {"Folder", Kind::other, {}, kReadOnly},
    };
    return table;
}

const MediaType::Entry* folderEntry()
{
    return &entries().back();
}

const QHash<QString, const MediaType::Entry*>& entriesByExtension()
{
    static const QHash<QString, const MediaType::Entry*> index = [] {
        QHash<QString, const MediaType::Entry*> byExtension;
        for (const auto& entry : entries()) {
            for (const auto& extension : entry.extensions)
                byExtension.insert(extension, &entry);
        }
        return byExtension;
    }();
    return index;
}

} // namespace

const QString& MediaType::identifier() const
{
    return entry_->identifier;
}

MediaKind MediaType::kind() const
{
    return entry_->kind;
}

const QStringList& MediaType::extensions() const
{
    return entry_->extensions;
}

QString MediaType::preferredExtension() const
{
    return entry_->extensions.value(0);
}

bool MediaType::isWritable() const
{
    return entry_->writable;
}

bool MediaType::isFolder() const
{
    return entry_ == folderEntry();
}

const QList<MediaType>& MediaType::all()
{
    static const QList<MediaType> types = [] {
        QList<MediaType> list;
        for (const auto& entry : entries())
            list.append(MediaType(&entry));
        return list;
    }();
    return types;
}

QSet<MediaType> MediaType::types(const QList<MediaKind>& kinds)
{
    QSet<MediaType> result;
    for (const auto& type : all()) {
        if (kinds.contains(type.kind()))
            result.insert(type);
    }
    return result;
}

MediaType MediaType::typeFolder()
{
    return MediaType(folderEntry());
}

std::optional<MediaType> MediaType::type(const QString& extension)
{
    QString key = extension.trimmed().toLower();
    if (key.startsWith(QLatin1Char('.')))
        key.remove(0, 1);
    if (const auto* entry = entriesByExtension().value(key))
        return MediaType(entry);
    return std::nullopt;
}

std::optional<MediaType> MediaType::type(const QUrl& url)
{
    if (!url.isLocalFile())
        return type(QFileInfo(url.path()).suffix());

    const QFileInfo info(url.toLocalFile());
    if (info.isDir())
        return typeFolder();
    if (auto byExtension = type(info.suffix()))
        return byExtension;
    if (!info.isFile())
        return std::nullopt;

    // ExifTool recognises files by their content, so a misnamed file is still readable.
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchContent);
    QStringList suffixes = mime.suffixes();
    suffixes.prepend(mime.preferredSuffix());
    for (const auto& suffix : suffixes) {
        if (auto bySuffix = type(suffix))
            return bySuffix;
    }
    return std::nullopt;
}

} // namespace halvex
