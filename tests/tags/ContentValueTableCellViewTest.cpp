#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentLabelView.h"
#include "tags/ContentNotesPopover.h"
#include "tags/ContentStyle.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentValue.h"
#include "tags/ContentValueTableCellView.h"
#include "tags/ContentValueView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <cmath>

using namespace corvelle;

namespace {

ContentValue textValue(const QString& title, const QString& text, int mode = 0)
{
    ContentValue value;
    value.title = title;
    value.item = ContentValue::Item::text(text);
    value.mode = ContentValue::Mode(mode);
    return value;
}

ContentValue itemValue(const ContentValue::Item& item)
{
    ContentValue value;
    value.title = QStringLiteral("Keywords");
    value.item = item;
    return value;
}

// The height of one laid-out line.
qreal lineHeight(const QFont& font)
{
    return StyledText(QStringLiteral("Xg"), font, QColor()).boundingSize(QSizeF(1000, 1000)).height();
}

QStringList lines(int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QStringLiteral("line %1").arg(i);
    return result;
}

QImage paintRow(const ContentValue& value, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto parts = ContentValueTableCellView::layout(QRectF(0, 0, width, height), value);
    ContentLabelView::drawContent(&painter, parts.label, value, QPalette());
    ContentValueView::drawContent(&painter, parts.value, value, QPalette());
    return image;
}

} // namespace

class ContentValueTableCellViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A row is as tall as the taller of its labels and its value, 12 points above and below,
    // and never below 41; the value is measured 238 points narrower than the row.
    void rowHeights_data()
    {
        const qreal line = lineHeight(ContentStyle::regularFont());
        const qreal small = lineHeight(ContentStyle::smallFont(QFont::DemiBold));
        QTest::addColumn<QVariant>("objectValue");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<qreal>("expected");
        QTest::newRow("not a content value") << QVariant(QStringLiteral("Camera")) << 500.0 << 41.0;
        QTest::newRow("nothing") << QVariant() << 500.0 << 41.0;
        QTest::newRow("one line each") << QVariant::fromValue(textValue("Make", "Corvelle")) << 500.0 << 41.0;
        QTest::newRow("ten lines of value")
            << QVariant::fromValue(textValue("Description", lines(10).join('\n'))) << 500.0 << 10 * line + 24;
        QTest::newRow("windows line ends count once")
            << QVariant::fromValue(textValue("Description", lines(10).join("\r\n"))) << 500.0 << 10 * line + 24;
        QTest::newRow("row narrower than the label column")
            << QVariant::fromValue(textValue("Description", lines(40).join(' '))) << 100.0 << 41.0;
        QTest::newRow("row as wide as the label column")
            << QVariant::fromValue(textValue("Description", lines(40).join(' '))) << 238.0 << 41.0;
        QTest::newRow("a megabyte of lines stops at the cap")
            << QVariant::fromValue(textValue("Comment", QString(1000000, QLatin1Char('\n')))) << 500.0 << 100024.0;
        QTest::newRow("action with only a value")
            << QVariant::fromValue(itemValue(ContentValue::Item::action(std::nullopt, lines(3).join('\n')))) << 500.0
            << 8 + 3 * line + 2 + 24;
        QTest::newRow("action with only a caption")
            << QVariant::fromValue(itemValue(ContentValue::Item::action(QStringLiteral("Caption"), QString()))) << 500.0
            << small + 16 + 24;
        QTest::newRow("words on one line")
            << QVariant::fromValue(itemValue(ContentValue::Item::words(std::nullopt, {"café", "Zürich", "lake"}))) << 500.0
            << 8 + QFontMetricsF(ContentStyle::regularFont()).height() + 24;
        QTest::newRow("no words, no caption") << QVariant::fromValue(itemValue(ContentValue::Item::words(std::nullopt, {})))
                                              << 500.0 << 41.0;
    }

    void rowHeights()
    {
        QFETCH(QVariant, objectValue);
        QFETCH(qreal, width);
        QFETCH(qreal, expected);
        QCOMPARE(ContentValueTableCellView::heightForObjectValue(objectValue, width), std::max(expected, 41.0));
    }

    // A title beside the notes button has less room than the widest label column: the row is
    // measured in the room the title really gets, so no line of it is cut off.
    void titleBesideTheNotesButtonIsMeasuredInItsRoom()
    {
        const qreal room = ContentValueTableCellView::maximumLabelWidth - ContentValueTableCellView::notesButtonSize
                           - ContentValueTableCellView::notesButtonSpacing;
        ContentValue value = textValue(QString(), QStringLiteral("x"));
        value.notes = QStringLiteral("Written by the camera.");
        const auto titleHeight = [&value](qreal width) {
            return ContentLabelView::contentSize(value, QSizeF(width, ContentLabelView::measuringHeight)).height();
        };
        // Words until the title fills one line of the widest column but not the room left.
        while (titleHeight(ContentValueTableCellView::maximumLabelWidth) == titleHeight(1000)
               && titleHeight(room) == titleHeight(1000))
            value.title += QStringLiteral("Lens ");
        QVERIFY(titleHeight(room) > titleHeight(ContentValueTableCellView::maximumLabelWidth));
        const ContentValueTableCellView::Layout parts = ContentValueTableCellView::layout(QRectF(0, 0, 500, 1000), value);
        QVERIFY(parts.label.width() <= room);
        QCOMPARE(ContentValueTableCellView::heightForObjectValue(QVariant::fromValue(value), 500),
                 std::max(titleHeight(room) + 24, 41.0));
    }

    // Each word opens a new line once the one before it leaves less than its box; a word longer
    // than a line stays on the first line, cut, and the next word goes below.
    void wordsWrapIntoLines()
    {
        // A word's box is as tall as its one line of text.
        const qreal line = QFontMetricsF(ContentStyle::regularFont()).height();
        const QStringList words{QString(60, QLatin1Char('w')), QStringLiteral("short")};
        const QSizeF size = ContentValueView::wordsSize(itemValue(ContentValue::Item::words(std::nullopt, words)),
                                                        QRectF(0, 0, 120, 1000));
        QCOMPARE(size, QSizeF(120, 8 - 2 + 2 * (line + 2)));
        // A short text reports its own width; nothing fits in no width at all.
        const QSizeF text = ContentValueView::contentSize(textValue("t", "abc"), QRectF(0, 0, 400, 1000));
        QVERIFY(text.width() > 0 && text.width() < 100);
        QCOMPARE(ContentValueView::contentSize(textValue("t", "abc"), QRectF(0, 0, 0, 1000)), QSizeF(0, 0));
        QCOMPARE(ContentValueView::contentSize(std::nullopt, QRectF(0, 0, 400, 1000)), QSizeF(0, 0));
    }

    // The display modes: the value's look for several values and none, the labels' for an
    // edited row; bits other than 1, 2 and 4 change nothing.
    void modesStyleTheStrings_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("dimmed");
        QTest::addColumn<bool>("accentTitle");
        QTest::newRow("one value") << 0 << "abc" << false << false << false;
        QTest::newRow("several values") << 4 << "- abc -" << true << false << false;
        QTest::newRow("no value") << 6 << "- abc -" << true << true << false;
        QTest::newRow("several values, edited") << 5 << "- abc -" << true << false << true;
        QTest::newRow("edited") << 1 << "abc" << false << false << true;
        QTest::newRow("unknown bits") << (8 | 16) << "abc" << false << false << false;
    }

    void modesStyleTheStrings()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, italic);
        QFETCH(bool, dimmed);
        QFETCH(bool, accentTitle);
        QPalette palette;
        palette.setColor(QPalette::Highlight, QColor(10, 20, 200));
        ContentValue value = textValue("Title", "abc", mode);
        value.subtitle = QString();
        const StyledText shown = *ContentValueView::attributedText(value, palette);
        QCOMPARE(shown.text(), text);
        QCOMPARE(shown.font().italic(), italic);
        QCOMPARE(shown.alignment(), Qt::AlignRight);
        QCOMPARE(shown.color(), dimmed ? ContentStyle::secondaryLabelColor(palette) : ContentStyle::labelColor(palette));
        const StyledText title = *ContentLabelView::attributedTitle(value, palette);
        QCOMPARE(title.color(), accentTitle ? QColor(10, 20, 200) : ContentStyle::labelColor(palette));
        QCOMPARE(title.font().weight(), accentTitle ? QFont::Medium : QFont::Normal);
        const StyledText subtitle = *ContentLabelView::attributedSubtitle(value, palette);
        QCOMPARE(subtitle.color(), accentTitle ? QColor(10, 20, 200) : ContentStyle::secondaryLabelColor(palette));
    }

    // An empty subtitle still takes its line and the 2 points above it; heights are whole points.
    void labelsMeasure()
    {
        ContentValue value = textValue("Make", "Corvelle");
        const QSizeF plain = ContentLabelView::contentSize(value, QSizeF(220, 1000000));
        QCOMPARE(plain.height(), std::ceil(lineHeight(ContentStyle::regularFont())));
        value.subtitle = QString();
        const QSizeF withSubtitle = ContentLabelView::contentSize(value, QSizeF(220, 1000000));
        QCOMPARE(withSubtitle.height(), std::ceil(lineHeight(ContentStyle::regularFont()) + 2));
        value.subtitle = QStringLiteral("Cannot be edited");
        QCOMPARE(ContentLabelView::contentSize(value, QSizeF(220, 1000000)).height(),
                 std::ceil(lineHeight(ContentStyle::regularFont()) + 2 + lineHeight(ContentStyle::smallFont())));
        // A long title wraps at 220 points for the row's height, whatever the row's width.
        value.title = QStringLiteral("A very long title of a tag that wraps over several lines in the label column");
        QCOMPARE(ContentValueTableCellView::heightForObjectValue(QVariant::fromValue(value), 400),
                 ContentValueTableCellView::heightForObjectValue(QVariant::fromValue(value), 4000));
        QVERIFY(ContentValueTableCellView::labelsHeight(value) > 41);
    }

    // Odd values are drawn without a crash and within the row: right-to-left, emoji, empty,
    // a megabyte, and rows narrower than the label column.
    void oddValuesDraw_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("right to left") << QStringLiteral("שלום עולם مرحبا بالعالم") << 600;
        QTest::newRow("emoji") << QStringLiteral("🎬🌍 family 👨‍👩‍👧 🇫🇷") << 600;
        QTest::newRow("empty") << QString() << 600;
        QTest::newRow("megabyte") << QString(1000000, QLatin1Char('x')) << 600;
        QTest::newRow("narrow row") << QStringLiteral("a value with words") << 120;
        QTest::newRow("no width") << QStringLiteral("a value with words") << 0;
    }

    void oddValuesDraw()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        const ContentValue value = textValue("Comment", text);
        const qreal height = ContentValueTableCellView::heightForObjectValue(QVariant::fromValue(value), width);
        QVERIFY(height >= 41 && height <= 100024);
        const QImage image = paintRow(value, std::max(width, 1), int(std::min(height, 400.0)));
        QVERIFY(!image.isNull());
    }

    // Cards: none behind headings; a selected card is outlined in the accent colour while its
    // table has the focus, else in the secondary colour over a greyed fill.
    void rowCards()
    {
        QPalette palette;
        palette.setColor(QPalette::Highlight, QColor(200, 0, 0));
        palette.setColor(QPalette::Base, Qt::white);
        const auto paint = [&palette](bool header, bool selected, bool emphasized) {
            QImage image(200, 60, QImage::Format_ARGB32);
            image.fill(QColor(100, 100, 100));
            QPainter painter(&image);
            ContentTableRowView::drawContentBackground(&painter, QRectF(0, 0, 200, 60), header, selected, emphasized,
                                                       palette);
            return image;
        };
        QCOMPARE(paint(true, true, true).pixelColor(100, 30), QColor(100, 100, 100));
        QCOMPARE(paint(false, false, false).pixelColor(100, 30), QColor(Qt::white));
        QCOMPARE(paint(false, true, true).pixelColor(100, 30), QColor(Qt::white));
        QCOMPARE(paint(false, true, true).pixelColor(100, 4), QColor(200, 0, 0));
        QVERIFY(paint(false, true, false).pixelColor(100, 30) != QColor(Qt::white));
        QCOMPARE(ContentTableRowView::cardColors(palette, true, false).stroke, ContentStyle::secondaryLabelColor(palette));
        // Only the shadow's grey tells dark from light.
        QPalette dark = palette;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        QCOMPARE(ContentTableRowView::cardColors(dark, false, false).shadow.redF(), 0.0f);
        QVERIFY(qAbs(ContentTableRowView::cardColors(palette, false, false).shadow.redF() - 0.5f) < 0.01f);
    }

    // Through a table: the row view hands each row to the cell its model names; a heading that is
    // no text shows nothing, the more button shows only with a menu, and the info button of a
    // row with notes (even empty ones) opens them in a popover.
    void cellsInATable()
    {
        QStandardItemModel model(3, 1);
        model.setData(model.index(0, 0), QStringLiteral("Camera"), ContentItemTableCellView::objectValueRole);
        model.setData(model.index(0, 0), ContentHeaderTableCellView::cellIdentifier(), ContentTableRowView::cellIdentifierRole);
        model.setData(model.index(0, 0), true, ContentTableRowView::isHeaderRole);
        ContentValue noted = textValue("Make", "Corvelle");
        noted.notes = QStringLiteral("The maker of the camera.");
        model.setData(model.index(1, 0), QVariant::fromValue(noted), ContentItemTableCellView::objectValueRole);
        model.setData(model.index(1, 0), ContentValueTableCellView::cellIdentifier(), ContentTableRowView::cellIdentifierRole);
        model.setData(model.index(2, 0), 42, ContentItemTableCellView::objectValueRole);
        model.setData(model.index(2, 0), ContentHeaderTableCellView::cellIdentifier(), ContentTableRowView::cellIdentifierRole);

        QTableView table;
        ContentTableRowView rows;
        ContentHeaderTableCellView header;
        ContentValueTableCellView cell;
        rows.registerCell(&header);
        rows.registerCell(&cell);
        table.setModel(&model);
        table.setItemDelegate(&rows);
        table.resize(600, 300);
        table.setColumnWidth(0, 580);
        table.verticalHeader()->resizeSection(0, 38);
        table.verticalHeader()->resizeSection(1, 60);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        QCOMPARE(ContentHeaderTableCellView::title(model.index(0, 0)), std::optional<QString>(QStringLiteral("Camera")));
        QCOMPARE(ContentHeaderTableCellView::title(model.index(2, 0)), std::nullopt);
        QVERIFY(!header.moreButtonRect(QRectF(0, 0, 300, 38)).isValid());
        QMenu more;
        header.setAdditionalMenu(&more);
        QVERIFY(header.moreButtonRect(QRectF(0, 0, 300, 38)).isValid());

        const QRect rowRect = table.visualRect(model.index(1, 0));
        const QRectF button = ContentValueTableCellView::layout(QRectF(rowRect), noted).notesButton;
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, button.center().toPoint());
        QTRY_VERIFY(cell.notesPopover() && cell.notesPopover()->isVisible());
        QCOMPARE(cell.notesPopover()->height(), ContentNotesPopover::heightFor(noted.notes.value()));
        cell.notesPopover()->close();
        // A row without notes has no button.
        QVERIFY(ContentValueTableCellView::layout(QRectF(rowRect), textValue("Make", "x")).notesButton.isNull());
    }

    // The popover is its text's height plus 42, at most 600 high.
    void notesPopoverHeight()
    {
        const int line = int(std::ceil(lineHeight(ContentStyle::regularFont())));
        QCOMPARE(ContentNotesPopover::heightFor(QStringLiteral("Short.")), line + 42);
        QCOMPARE(ContentNotesPopover::heightFor(lines(200).join('\n')), 600);
    }
};

QTEST_MAIN(ContentValueTableCellViewTest)
#include "ContentValueTableCellViewTest.moc"
