#include "editor/FormLoader.h"

#include "widgets/FormTexts.h"

#include <QDir>
#include <QFile>
#include <QUiLoader>

#include <mutex>

namespace corvelle {

const QString FormLoader::searchPrefix = QStringLiteral("forms");

QString FormLoader::pathOf(const QString& formName)
{
    static std::once_flag compiledIn;
    std::call_once(compiledIn, [] { QDir::addSearchPath(searchPrefix, QStringLiteral(":/ui")); });
    return searchPrefix + QLatin1Char(':') + formName + QStringLiteral(".ui");
}

bool FormLoader::exists(const QString& formName)
{
    return QFile::exists(pathOf(formName));
}

QWidget* FormLoader::load(const QString& formName, QWidget* parent)
{
    QFile file(pathOf(formName));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("No form named %s: %s", qPrintable(formName), qPrintable(file.errorString()));
    static QUiLoader* loader = new QUiLoader;
    QWidget* widget = loader->load(&file, parent);
    if (!widget)
        qFatal("The form %s cannot be loaded: %s", qPrintable(formName), qPrintable(loader->errorString()));
    FormTexts::localize(widget);
    return widget;
}

void FormLoader::missingOutlet(const QWidget* root, const char* className, const char* name)
{
    qFatal("The form %s has no %s named %s", root ? qPrintable(root->objectName()) : "(none)", className, name);
}

} // namespace corvelle
