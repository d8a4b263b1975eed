#include "editing/ImageB64EditionViewController.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/DropFilesView.h"

#include "ui_ImageB64EditionView.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace corvelle {

namespace {

const QLatin1String base64Prefix("base64:");

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace

const QList<QSize>& ImageB64EditionViewController::cropRatios()
{
    static const QList<QSize> ratios{{1, 1}, {16, 10}, {16, 9}, {8, 10}, {5, 7}, {4, 3}, {3, 5}, {3, 2}};
    return ratios;
}

const QList<int>& ImageB64EditionViewController::resizeSides()
{
    static const QList<int> sides{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    return sides;
}

ImageB64EditionViewController::ImageB64EditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::ImageB64EditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

ImageB64EditionViewController::~ImageB64EditionViewController() = default;

ContentValue ImageB64EditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single) {
        // A file is read without its binary data: ExifTool's size note stands for the picture.
        const QString text = row.valueText();
        const bool image = text.startsWith(base64Prefix) || ostrak::ValueConverter::isBinaryPlaceholder(text);
        value.item = ContentValue::Item::text(localizedString(image ? QStringLiteral("B64ImageBase64ImageFormat")
                                                                    : QStringLiteral("B64ImageUnknownImageFormat")));
    }
    return value;
}

QList<FlatPresetEdition> ImageB64EditionViewController::supportedPresetEditions()
{
    return presetEditionsWithout({FlatPresetEdition::editCurrentValue, FlatPresetEdition::searchAndReplace,
                                  FlatPresetEdition::lowercaseText, FlatPresetEdition::uppercaseText,
                                  FlatPresetEdition::capitalizeText, FlatPresetEdition::sortInAscendingOrder,
                                  FlatPresetEdition::sortInDescendingOrder});
}

ContentValue ImageB64EditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        value.item = ContentValue::Item::text(capitalized(localizedString(
            settings->value.trimmed().isEmpty() ? QStringLiteral("KeywordStateYes") : QStringLiteral("KeywordStateNo"))));
        value.mode = 0;
    }
    return value;
}

QSize ImageB64EditionViewController::croppedSize(QSize size, QSize ratio)
{
    if (size.isEmpty() || ratio.isEmpty())
        return QSize();
    const double scale = std::min(double(size.width()) / ratio.width(), double(size.height()) / ratio.height());
    return QSize(int(ratio.width() * scale), int(ratio.height() * scale));
}

QSize ImageB64EditionViewController::resizedSize(QSize size, int side)
{
    if (size.isEmpty() || side <= 0)
        return QSize();
    const double scale = std::min(double(side) / size.width(), double(side) / size.height());
    return QSize(int(size.width() * scale), int(size.height() * scale));
}

std::optional<QImage> ImageB64EditionViewController::imageOfValue(const QString& value)
{
    const QString text = value.startsWith(base64Prefix) ? value.mid(base64Prefix.size()) : value;
    const auto decoded = QByteArray::fromBase64Encoding(text.toUtf8(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(decoded.decoded);
    QImageReader reader(&buffer);
    if (reader.size().isValid() && qint64(reader.size().width()) * reader.size().height() > maximumPixelCount)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

void ImageB64EditionViewController::setupViews()
{
    auto* cropMenu = new QMenu(ui_->cropButton);
    for (const QSize ratio : cropRatios())
        cropMenu->addAction(QStringLiteral("%1:%2").arg(ratio.width()).arg(ratio.height()), this, [this, ratio] { crop(ratio); });
    ui_->cropButton->setMenu(cropMenu);
    auto* resizeMenu = new QMenu(ui_->resizeButton);
    for (const int side : resizeSides()) {
        resizeMenu->addAction(localizedString(QStringLiteral("B64ImageResizeToTitle"), {side}), this,
                              [this, side] { resize(side); });
    }
    ui_->resizeButton->setMenu(resizeMenu);
    connect(ui_->chooseButton, &QPushButton::clicked, this, &ImageB64EditionViewController::openImagePanel);
    connect(ui_->deleteButton, &QPushButton::clicked, this, &ImageB64EditionViewController::removeImage);
    ui_->dropFilesView->setCanImportHandler([](const QList<QUrl>& urls) { return !urls.isEmpty(); });
    ui_->dropFilesView->setImportHandler([this](const QList<QUrl>& urls) {
        return !urls.isEmpty() && importImageFile(urls.constFirst().toLocalFile());
    });
    updateInterface();
}

void ImageB64EditionViewController::updateInterface()
{
    if (image_) {
        const QSize room = ui_->imageView->size().boundedTo(QSize(512, 512)).expandedTo(QSize(64, 64));
        ui_->imageView->setPixmap(QPixmap::fromImage(image_->scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        ui_->imageView->clear();
    }
    ui_->deleteButton->setEnabled(canEditImage());
    ui_->cropButton->setEnabled(canEditImage());
    ui_->resizeButton->setEnabled(canEditImage());
}

void ImageB64EditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    ui_->imageView->clear();
    ui_->messageLabel->clear();
}

void ImageB64EditionViewController::focus()
{
    ui_->chooseButton->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> ImageB64EditionViewController::editedValue() const
{
    if (!hasValueChanges() && loadedValue_)
        return loadedValue_;
    if (!image_)
        return QString();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image_->save(&buffer, "JPEG", 100))
        return QString();
    return base64Prefix + QString::fromLatin1(jpeg.toBase64());
}

void ImageB64EditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    if (const auto settings = customValue(*row))
        loadValue(settings->value);
}

void ImageB64EditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet || valueSet->tagItems().isEmpty())
        return;
    const auto& common = valueSet->commonValue();
    if (common.kind() != halvex::MultiValuedString::Kind::single) {
        loadValue(std::nullopt);
        return;
    }
    loadValue(common.value());
    // Binary values come as a size note; the file's own bytes are the value then.
    if (!image_ && !valueSet->editors().isEmpty()) {
        const QByteArray bytes = valueSet->editors().constFirst()->binaryValue(valueSet->tagItems().constFirst().tagName());
        if (!bytes.isEmpty())
            loadValue(base64Prefix + QString::fromLatin1(bytes.toBase64()));
    }
}

void ImageB64EditionViewController::setVerticalLayout(bool vertical)
{
    ui_->layoutStackView->setDirection(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void ImageB64EditionViewController::crop(QSize ratio)
{
    if (!image_)
        return;
    const QSize size = croppedSize(image_->size(), ratio);
    if (size.isEmpty())
        return;
    QImage cropped(size, QImage::Format_RGBA8888);
    cropped.fill(Qt::transparent);
    QPainter painter(&cropped);
    // The old image's centre on the new one's: both sides lose the same.
    painter.drawImage(QPointF((size.width() - image_->width()) / 2.0, (size.height() - image_->height()) / 2.0), *image_);
    painter.end();
    setEditedImage(cropped);
}

void ImageB64EditionViewController::resize(int side)
{
    if (!image_)
        return;
    const QSize size = resizedSize(image_->size(), side);
    if (size.isEmpty())
        return;
    setEditedImage(image_->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void ImageB64EditionViewController::removeImage()
{
    if (image_)
        setEditedImage(std::nullopt);
}

bool ImageB64EditionViewController::importImageFile(const QString& path)
{
    QImageReader reader(path);
    QString reason;
    QImage image;
    if (reader.size().isValid() && qint64(reader.size().width()) * reader.size().height() > maximumPixelCount) {
        reason = localizedString(QStringLiteral("B64ImageTooLargeReason"),
                                 {reader.size().width(), reader.size().height()});
    } else {
        image = reader.read();
        if (image.isNull())
            reason = reader.errorString();
    }
    if (image.isNull()) {
        ui_->messageLabel->setText(localizedString(QStringLiteral("B64ImageUnreadableFileMessage"),
                                                   {QFileInfo(path).fileName(), reason}));
        return false;
    }
    ui_->messageLabel->clear();
    setEditedImage(image);
    return true;
}

void ImageB64EditionViewController::openImagePanel()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    auto* panel = new QFileDialog(window(), localizedString(QStringLiteral("B64ImageChooseTitle")));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(localizedString(QStringLiteral("B64ImageFileFilterTitle"), {patterns.join(QLatin1Char(' '))}));
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString& path) { importImageFile(path); });
    panel->open();
}

QLabel* ImageB64EditionViewController::imageView() const { return ui_->imageView; }
QLabel* ImageB64EditionViewController::messageLabel() const { return ui_->messageLabel; }
QToolButton* ImageB64EditionViewController::cropButton() const { return ui_->cropButton; }
QToolButton* ImageB64EditionViewController::resizeButton() const { return ui_->resizeButton; }

void ImageB64EditionViewController::loadValue(const std::optional<QString>& value)
{
    loadedValue_ = value;
    image_ = value ? imageOfValue(*value) : std::nullopt;
    updateInterface();
}

void ImageB64EditionViewController::setEditedImage(std::optional<QImage> image)
{
    image_ = std::move(image);
    markValueChanged();
    updateInterface();
}

} // namespace corvelle
