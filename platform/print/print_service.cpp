#include "platform/print/print_service.h"

#include <QCoreApplication>
#include <QLibrary>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace platform {
namespace {

constexpr char Entry[] = "vorlan_print_service"; // the module's one entry point
using EntryPoint = PrintService* (*)();

} // namespace

PrintJob PrintJob::Named(const QString& documentName)
{
    QString name = documentName.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("page");
    else if (name.size() < 2 || !name.at(1).isUpper())
        name[0] = name.at(0).toLower(); // a word, not an abbreviation
    return {documentName, QStringLiteral("The %1 could not be printed").arg(name)};
}

PrintService& Printing()
{
    static PrintService* service = nullptr;
    if (service)
        return *service;
    EntryPoint entry = nullptr;
#ifdef Q_OS_UNIX
    // A program that links the module (the tests) has it already.
    entry = reinterpret_cast<EntryPoint>(dlsym(RTLD_DEFAULT, Entry));
#endif
    if (!entry) {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/vorlan_print"));
        entry = reinterpret_cast<EntryPoint>(module.resolve(Entry)); // stays loaded
        if (!entry)
            throw PrintError(QStringLiteral("Printing is not available: %1").arg(module.errorString()));
    }
    service = entry();
    return *service;
}

} // namespace platform
