#include "presets/FlatActionEdition.h"
#include "presets/FlatPresetEdition.h"

#include <QTest>

using namespace corvelle;

class FlatPresetEditionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rawValuesReadBackOnlyExactly()
    {
        for (const FlatPresetEdition edition : FlatPresetEdition::allCases())
            QVERIFY(FlatPresetEdition::fromRawValue(edition.rawValue()) == edition);
        QVERIFY(FlatPresetEdition::fromRawValue(QStringLiteral("copy_other_value"))
                == FlatPresetEdition(FlatPresetEdition::copyOtherTagValue));
        QVERIFY(!FlatPresetEdition::fromRawValue(QStringLiteral("Copy_Other_Value")));
        QVERIFY(!FlatPresetEdition::fromRawValue(QStringLiteral("copy_other_tag_value")));
        QVERIFY(!FlatPresetEdition::fromRawValue(QString()));
    }

    // Each operation without settings goes to the engine's edition and back; the three with
    // settings have none until their settings are known, and come back from any settings.
    void engineEditionsRoundTrip()
    {
        for (const FlatPresetEdition edition : FlatPresetEdition::allCases()) {
            const auto engine = edition.presetEdition();
            QCOMPARE(engine.has_value(), !edition.hasSettings());
            if (engine)
                QVERIFY(FlatPresetEdition::fromPresetEdition(*engine) == edition);
        }
        QCOMPARE(FlatPresetEdition(FlatPresetEdition::removeCurrentValue).presetEdition()->customActionSettings()->code(), 0);
        QCOMPARE(FlatPresetEdition(FlatPresetEdition::sortInDescendingOrder).presetEdition()->customActionSettings()->code(), 7);

        halvex::CopyTagValueSettings copy;
        copy.tagName = ostrak::TagName(QStringLiteral("IFD0"), QStringLiteral("Make"));
        copy.formatter = halvex::CopyTagValueSettings::Formatter::pretty;
        QVERIFY(FlatPresetEdition::fromPresetEdition(halvex::PresetEdition::copyTagValue(copy))
                == FlatPresetEdition(FlatPresetEdition::copyOtherTagValue));
        QVERIFY(FlatPresetEdition::fromPresetEdition(halvex::PresetEdition::useCustomValue({QStringLiteral("x")}))
                == FlatPresetEdition(FlatPresetEdition::editCurrentValue));
        QVERIFY(FlatPresetEdition::fromPresetEdition(halvex::PresetEdition::searchAndReplace({}))
                == FlatPresetEdition(FlatPresetEdition::searchAndReplace));
    }

    void actionEditionsListPresetOperationsThenDateActions()
    {
        const QList<FlatActionEdition> all = FlatActionEdition::allCases();
        QCOMPARE(all.size(), 14);
        QVERIFY(all.first() == FlatActionEdition());
        QVERIFY(all.at(11).flatPresetEdition() == FlatPresetEdition(FlatPresetEdition::sortInDescendingOrder));
        QVERIFY(all.at(12) == FlatActionEdition::dateDistribution());
        QVERIFY(all.at(13) == FlatActionEdition::dateParsing());

        QVERIFY(!(FlatActionEdition() == FlatActionEdition::dateDistribution()));
        QVERIFY(!(FlatActionEdition::dateParsing() == FlatActionEdition::dateDistribution()));
        QVERIFY(!(FlatActionEdition::fromPresetEdition(FlatPresetEdition::lowercaseText)
                  == FlatActionEdition::fromPresetEdition(FlatPresetEdition::uppercaseText)));
        QVERIFY(FlatActionEdition::dateParsing().hasSettings());
        QVERIFY(!FlatActionEdition().hasSettings());
        QVERIFY(FlatActionEdition::fromPresetEdition(FlatPresetEdition::searchAndReplace).hasSettings());
        QCOMPARE(FlatActionEdition::dateDistribution().title(), QStringLiteral("Spread dates over the files"));
        QCOMPARE(FlatActionEdition::fromPresetEdition(FlatPresetEdition::trimWhitespacesText).title(),
                 QStringLiteral("Trim white space"));
    }
};

QTEST_MAIN(FlatPresetEditionTest)
#include "FlatPresetEditionTest.moc"
