#pragma once

#include <QList>
#include <QUrl>

#include <functional>

namespace corvelle {

class EditorWindowInterface;

// Routes the files that the desktop hands to the application: preset files ("cvpreset",
// "cvpresets") and tag-set files ("cvtagset", "cvtagsset") are imported into their libraries
// after the user confirms; every other file or folder goes to the editor window.
class DocumentOpener {
public:
    // Brings the editor window to the front, making it on first use, and answers it.
    using EditorWindowProvider = std::function<EditorWindowInterface*()>;

    explicit DocumentOpener(EditorWindowProvider showEditorWindow);

    void openDocuments(const QList<QUrl>& urls) const;

    // By the lowercased extension of the URL's path.
    static bool isPresetFile(const QUrl& url);
    static bool isTagSetFile(const QUrl& url);

private:
    static void importPresetFiles(const QList<QUrl>& urls);
    static void importTagSetFile(const QUrl& url);

    EditorWindowProvider showEditorWindow_;
};

} // namespace corvelle
