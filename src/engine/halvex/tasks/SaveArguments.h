#pragma once

#include "engine/halvex/kit/EngineOption.h"
#include "engine/halvex/kit/IPTCDigestUpdate.h"
#include "engine/halvex/tags/TagEdit.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

namespace ostrak {
class ETSettings;
class TagDatabase;
} // namespace ostrak

namespace halvex {

// The ExifTool arguments that write the staged edits of one file, and nothing else: tags that
// are not edited are left as the file holds them when it is written.
//
// A value goes in ExifTool's numeric form ("-TAG#=3") when the tag has choices and the value is
// one of their stored values, in printed form otherwise. A repeated tag is written to its group. A list tag gets one assignment per item,
// so an item holding ", " stays one item; empty values and items are left out, and an edit left
// with none deletes the tag. A QuickTime tag named without its block ("QuickTime"
// group, no such movie-header tag) goes to the blocks ETSettings prefers; deleting it deletes it
// from every block.
//
// A signed EXIF GPS coordinate also writes its hemisphere into the Ref tag, unless an edit sets
// that itself; an edit that marks IPTC as UTF-8 recodes the Latin IPTC the file holds. The
// arguments name no output: ExifToolWriter writes the copy that replaces the file.
//
// A picture or other binary value travels as "base64:" text; ExifTool would store that text as
// it stands, so the decoded bytes go into a file of their own that the tag is read from
// ("-TAG<=FILE"). The files live as long as the arguments (any copy of them).
class SaveArguments {
public:
    struct Options {
        bool fixInvalidOffsets = true;
        bool iptcAsUTF8 = true;
        IPTCDigestUpdate iptcDigestUpdate = IPTCDigestUpdate::updateIfExists;
        bool updateFileModifyDate = false;
        EngineOption engineOptions = EngineOption::all;
        // Written as XMP-x:XMPToolkit when XMP is written; empty leaves ExifTool's own.
        QString xmpToolkit;
    };

    // What the file holds when it is written, as far as the options depend on it.
    struct FileState {
        bool hasIPTC = false;
        bool hasIPTCDigest = false;
        // IPTC:CodedCharacterSet as read ("UTF8"); empty when absent.
        QString iptcCharacterSet;
    };

    SaveArguments(const QList<TagEdit>& edits, const Options& options, const FileState& file,
                  const ostrak::ETSettings& settings, const ostrak::TagDatabase& database);

    // Where one edit goes.
    struct Destination {
        // The tags that hold the edit once written; none when no tag can hold it (a QuickTime
        // tag that no block has).
        QList<ostrak::TagName> tags;
        // The values written, empty ones left out; none deletes the tag.
        QStringList values;

        bool deletes() const { return values.isEmpty(); }

        friend bool operator==(const Destination&, const Destination&) = default;
    };

    // ExifTool numbers repeated tag names ("ItemList:Copy1:Title" when Keys has a Title too) but
    // writes by group only: the name without its copy numbers.
    static ostrak::TagName withoutCopyNumber(const ostrak::TagName& name);

    const QStringList& arguments() const { return arguments_; }
    // One per edit, in edit order.
    const QList<Destination>& destinations() const { return destinations_; }
    // Some edit sets an IPTC value or deletes an IPTC tag.
    bool writesIPTC() const { return writesIPTC_; }
    // Why the arguments cannot be used: a binary value that is not base64, or no room for its
    // bytes; empty when they can.
    const QString& error() const { return error_; }

private:
    // The file holding a "base64:" value's bytes; empty, with error() set, when it cannot be made.
    QString writeBinaryValue(const QString& value);

    QStringList arguments_;
    QList<Destination> destinations_;
    std::shared_ptr<QTemporaryDir> binaryFolder_;
    QString error_;
    int binaryFileCount_ = 0;
    bool writesIPTC_ = false;
};

} // namespace halvex
