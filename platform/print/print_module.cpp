// The print module's entry point: the service the window reaches printing
// through, on a printer made at the printer's own resolution (not the
// screen's, which would round the type sizes to its pixels).
#include "platform/print/printing.h"

#include <QPrinter>

namespace {

class Service : public platform::PrintService {
public:
    using platform::PrintService::Print;

    void Print(QWidget* parent, const platform::PrintJob& job,
               const std::function<void(platform::PrintCanvas&)>& draw) override
    {
        QPrinter printer(QPrinter::HighResolution);
        if (platform::ShowPrintDialog(printer, parent))
            platform::PrintOnePage(printer, job, draw);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT platform::PrintService* vorlan_print_service()
{
    static Service service;
    return &service;
}
