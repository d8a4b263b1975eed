#pragma once

#include "editor/EditorContentSection.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"
#include "editor/FormLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>

namespace corvelle::test {

// An empty view for a section whose own view the test does not need: the window then offers
// and switches to that section as to any other.
class SectionViewStandIn : public EditorViewController {
public:
    using EditorViewController::EditorViewController;

    QString nibName() const override { return QStringLiteral("SectionViewStandIn"); }
    QString windowTitle() const override { return QStringLiteral("Stand-in"); }
    QString windowSubtitle() const override { return QString(); }

    static void registerFor(std::initializer_list<EditorContentSection> sections = {
                                EditorContentSection::tags, EditorContentSection::map, EditorContentSection::raw})
    {
        static QTemporaryDir forms;
        static const bool written = [] {
            QDir::addSearchPath(FormLoader::searchPrefix, forms.path());
            QFile file(QDir(forms.path()).filePath(QStringLiteral("SectionViewStandIn.ui")));
            return file.open(QIODevice::WriteOnly)
                && file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>SectionViewStandIn"
                              "</class><widget class=\"QWidget\" name=\"SectionViewStandIn\"/><resources/>"
                              "<connections/></ui>")
                       > 0;
        }();
        Q_UNUSED(written);
        for (EditorContentSection section : sections)
            EditorWindowController::setSectionViewFactory(
                section, [](EditorWindowHost* host) { return new SectionViewStandIn(host); });
    }
};

} // namespace corvelle::test
