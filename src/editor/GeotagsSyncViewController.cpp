#include "editor/GeotagsSyncViewController.h"

#include "engine/halvex/places/GeotagOffset.h"
#include "widgets/TextLocalizer.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace corvelle {

GeotagsSyncViewController::GeotagsSyncViewController(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("geotagsSyncView"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(localizedString(QStringLiteral("GeotagsSyncZoneLabel")), this));
    const auto field = [this, layout](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaximumWidth(48);
        edit->setAlignment(Qt::AlignRight);
        layout->addWidget(edit);
        return edit;
    };
    hh_ = field("hhTextField");
    layout->addWidget(new QLabel(QStringLiteral(":"), this));
    mm_ = field("mmTextField");
    layout->addWidget(new QLabel(QStringLiteral(":"), this));
    ss_ = field("ssTextField");
    layout->addStretch();
    setUpOffsetFields(QDateTime::currentDateTime().offsetFromUtc());
}

void GeotagsSyncViewController::setUpOffsetFields(int offsetSeconds)
{
    // Division truncates towards zero; each remainder keeps the offset's sign.
    hh_->setText(QString::number(offsetSeconds % 86400 / 3600));
    mm_->setText(QString::number(offsetSeconds % 3600 / 60));
    ss_->setText(QString::number(offsetSeconds % 60));
}

QString GeotagsSyncViewController::timeOffsetText() const
{
    return halvex::GeotagOffset::text(halvex::GeotagOffset::seconds(hh_->text(), mm_->text(), ss_->text()));
}

} // namespace corvelle
