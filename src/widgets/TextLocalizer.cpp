#include "widgets/TextLocalizer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRecursiveMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QThread>
#include <QTranslator>

namespace corvelle {

namespace {

// The compiled table, read once per run. It is installed into the application (so that
// qtTrId sees it) from the application's own thread, where installing is allowed.
struct Catalogue {
    QTranslator translator;
    QRecursiveMutex mutex;
    QPointer<QCoreApplication> installedIn;

    Catalogue()
    {
        if (!translator.load(QStringLiteral(":/i18n/corvelle_en.qm")))
            qWarning("TextLocalizer: the text table :/i18n/corvelle_en.qm could not be read; "
                     "keys are shown in place of texts.");
    }
};

Catalogue& catalogue()
{
    static Catalogue instance;
    return instance;
}

QString argumentText(const QVariant& argument)
{
    const QLocale locale;
    switch (argument.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return locale.toString(argument.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return locale.toString(argument.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return locale.toString(argument.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return argument.toString();
    }
}

} // namespace

bool TextLocalizer::ensureInstalled()
{
    Catalogue& table = catalogue();
    QCoreApplication* app = QCoreApplication::instance();
    QMutexLocker lock(&table.mutex);
    if (!app)
        return false;
    if (table.installedIn == app)
        return true;
    if (QThread::currentThread() != app->thread())
        return false;
    // Marked first: installing sends LanguageChange, whose handlers may ask for texts again.
    table.installedIn = app;
    QCoreApplication::installTranslator(&table.translator);
    return true;
}

QString TextLocalizer::localizedString(const QString& key,
                                       const std::optional<QVariantList>& arguments)
{
    if (key.isEmpty())
        qFatal("No localized string has been set.");

    const QByteArray id = key.toUtf8();
    // Before the application exists, or on a worker thread before the first main-thread
    // call, the table is asked directly.
    QString text = ensureInstalled() ? qtTrId(id.constData())
                                     : catalogue().translator.translate(nullptr, id.constData());
    if (text.isEmpty())
        text = key;

    if (!arguments)
        return text;

    const qsizetype count = arguments->size();
    if (count > maximumArgumentCount)
        qFatal("TextLocalizer requires less than 4 arguments.");

    // One multi-argument pass, so that a %2 inside the first argument is not replaced too.
    QStringList a;
    for (const QVariant& argument : *arguments)
        a.append(argumentText(argument));
    switch (count) {
    case 1:
        return text.arg(a[0]);
    case 2:
        return text.arg(a[0], a[1]);
    case 3:
        return text.arg(a[0], a[1], a[2]);
    case 4:
        return text.arg(a[0], a[1], a[2], a[3]);
    default:
        return text;
    }
}

} // namespace corvelle
