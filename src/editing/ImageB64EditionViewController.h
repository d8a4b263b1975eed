#pragma once

#include "editing/GenericEditionViewController.h"

#include <QImage>
#include <QSize>

#include <memory>

class QLabel;
class QToolButton;

namespace Ui {
class ImageB64EditionView;
}

namespace corvelle {

// Edits an image stored as "base64:" text (cover art and the like): shows it, takes a chosen
// or dropped file, deletes, crops to a proportion and scales to a size, and gives back the
// edited image as JPEG. While the image is unchanged it gives back the stored text itself, so
// finishing without a change re-encodes nothing.
class ImageB64EditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    // The proportions of the crop menu (width, height) and the sides of the size menu.
    static const QList<QSize>& cropRatios();
    static const QList<int>& resizeSides();
    // A larger image file is refused rather than decoded.
    static constexpr qint64 maximumPixelCount = 100'000'000;

    explicit ImageB64EditionViewController(QWidget* parent = nullptr);
    ~ImageB64EditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::imageB64; }

    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);

    // The centre of the image at the proportion, and the image scaled to fit a square of the side.
    static QSize croppedSize(QSize size, QSize ratio);
    static QSize resizedSize(QSize size, int side);
    // The image of a stored value, with or without the prefix; none for anything else.
    static std::optional<QImage> imageOfValue(const QString& value);

    void updateInterface() override;
    void resetValue() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;
    void setVerticalLayout(bool vertical) override;

    const std::optional<QImage>& image() const { return image_; }
    bool canEditImage() const { return image_.has_value(); }
    void crop(QSize ratio);
    void resize(int side);
    void removeImage();
    // Takes the image of the file; a file that is no readable image keeps the current image and
    // shows why. Whether the image was taken.
    bool importImageFile(const QString& path);
    void openImagePanel();

    QLabel* imageView() const;
    QLabel* messageLabel() const;
    QToolButton* cropButton() const;
    QToolButton* resizeButton() const;

protected:
    void setupViews() override;

private:
    void loadValue(const std::optional<QString>& value);
    void setEditedImage(std::optional<QImage> image);

    std::unique_ptr<Ui::ImageB64EditionView> ui_;
    std::optional<QImage> image_;
    // The stored text, given back while the user has not changed the image.
    std::optional<QString> loadedValue_;
};

} // namespace corvelle
