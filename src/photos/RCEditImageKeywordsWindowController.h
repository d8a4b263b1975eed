#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditImageKeywordsWindow;
}

namespace halvex {
class KeywordManager;
}

namespace corvelle {

class KeywordOutlineModel;

// The sheet of the keywords a profile gives each file: a token field (each keyword one token,
// commas inside a keyword included) and the keyword library as a read-only tree whose selected
// keywords Add appends. An empty list erases the files' keywords; the switch off sets none.
class RCEditImageKeywordsWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditImageKeywordsWindowController(QWidget* parent = nullptr);
    // The library shown is `manager`'s.
    RCEditImageKeywordsWindowController(halvex::KeywordManager& manager, QWidget* parent);
    ~RCEditImageKeywordsWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditImageKeywordsWindow"); }
    Ui::RCEditImageKeywordsWindow& ui() const { return *ui_; }
    KeywordOutlineModel* outlineModel() const { return outlineModel_; }

    // The outline is enabled and has selected rows.
    bool canAddKeyword() const;
    // Appends the names of the selected library keywords, in row order, and turns the switch on.
    void addSelectedKeywords();

    void updateInterface() override;

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:
    std::unique_ptr<Ui::RCEditImageKeywordsWindow> ui_;
    KeywordOutlineModel* outlineModel_ = nullptr;
};

} // namespace corvelle
