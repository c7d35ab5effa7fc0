#include "output/ui/printerchoice.h"

#include "core/ui/services.h"
#include "platform/error.h"

#include <QObject>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>
#include <memory>

namespace veldor {

namespace {

const char* const kNoDefaultPrinter = "There is no default printer currently selected";

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

// A connection of our own: on the library's shared one, a print system
// that is down reads the same as a queue that does not exist.
Connection connectToPrintSystem()
{
    return Connection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr));
}

QString text(const char* source) { return QObject::tr(source); }

} // namespace

QueueState queueState(const QString& printer)
{
    const Connection http = connectToPrintSystem();
    if (!http)
        return QueueState::Unreachable;
    const QByteArray full = printer.toLocal8Bit();
    const qsizetype slash = full.indexOf('/');
    const QByteArray name = slash < 0 ? full : full.left(slash);
    const QByteArray instance = slash < 0 ? QByteArray() : full.mid(slash + 1);
    cups_dest_t* dest = cupsGetNamedDest(http.get(), name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? QueueState::Gone : QueueState::Unreachable;
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refusing = accepting && std::strcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    return refusing ? QueueState::Refusing : QueueState::Ready;
}

bool printSystemReachable() { return connectToPrintSystem() != nullptr; }

QString queueFailure(QueueState state, const QString& printer)
{
    switch (state) {
    case QueueState::Ready:
        return {};
    case QueueState::Gone:
        return text("The picture could not be printed: the printer \"%1\" no longer exists. "
                    "Choose another with Printer Setup.")
            .arg(printer);
    case QueueState::Refusing:
        return text("The picture could not be printed: the printer \"%1\" is not accepting jobs.").arg(printer);
    case QueueState::Unreachable:
        break;
    }
    return text("The picture could not be printed: the print system cannot be reached.");
}

PrinterSettings settingsOf(const QPrinter& printer)
{
    PrinterSettings s;
    s.format = printer.outputFormat();
    s.printerName = printer.printerName();
    s.fileName = printer.outputFileName();
    s.layout = printer.pageLayout();
    s.duplex = printer.duplex();
    s.colorMode = printer.colorMode();
    s.copyCount = printer.copyCount();
    s.collate = printer.collateCopies();
    s.pageOrder = printer.pageOrder();
    s.printRange = printer.printRange();
    s.fromPage = printer.fromPage();
    s.toPage = printer.toPage();
    return s;
}

void applySettings(QPrinter& printer, const PrinterSettings& s)
{
    // The file name decides the format as it is set (an empty one means a
    // printer, one ending in .pdf a PDF file), so the format comes after it.
    if (printer.outputFileName() != s.fileName)
        printer.setOutputFileName(s.fileName);
    printer.setOutputFormat(s.format);
    if (s.format == QPrinter::NativeFormat && !s.printerName.isEmpty())
        printer.setPrinterName(s.printerName);
    printer.setPageLayout(s.layout);
    printer.setDuplex(s.duplex);
    printer.setColorMode(s.colorMode);
    printer.setCopyCount(s.copyCount);
    printer.setCollateCopies(s.collate);
    printer.setPageOrder(s.pageOrder);
    printer.setPrintRange(s.printRange);
    printer.setFromTo(s.fromPage, s.toPage);
}

std::optional<QPageSize> paperChosen(const std::optional<QPageSize>& chosenBefore, const QString& printerBefore,
                                     const QPageSize& paperBefore, const QString& printerAfter,
                                     const QPageSize& paperAfter)
{
    if (!paperAfter.isEquivalentTo(paperBefore))
        return paperAfter;
    return printerAfter == printerBefore ? chosenBefore : std::nullopt;
}

bool PrinterChoice::printsToFile()
{
    const QPrinter& printer = services_.printer();
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

QString PrinterChoice::aim(QPrinter& printer)
{
    if (printsToFile())
        return {};
    QString name = printer.printerName();
    if (!chosen_ || printer.outputFormat() != QPrinter::NativeFormat) {
        // Looked for afresh each time: the print system may have been down
        // before, or its default changed since.
        name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            return printSystemReachable() ? text(kNoDefaultPrinter) : queueFailure(QueueState::Unreachable, {});
    }
    if (const QueueState state = queueState(name); state != QueueState::Ready)
        return queueFailure(state, name);
    if (printer.outputFormat() != QPrinter::NativeFormat)
        printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name);
    const QPageSize paper = paper_ ? *paper_ : QPrinterInfo::printerInfo(name).defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
    return {};
}

QPrinter& PrinterChoice::ready()
{
    QPrinter& printer = services_.printer();
    if (const QString why = aim(printer); !why.isEmpty())
        throw Error(why.toStdString());
    return printer;
}

bool PrinterChoice::setup()
{
    QPrinter& printer = services_.printer();
    // The dialog opens on what the next Print would use, when there is one.
    aim(printer);
    const PrinterSettings before = settingsOf(printer);
    // The dialog changes the printer as the user goes through it.
    if (!services_.printerSetup(printer)) {
        applySettings(printer, before);
        return false;
    }
    const auto target = [](const QPrinter& p) {
        return p.outputFormat() == QPrinter::NativeFormat ? p.printerName() : QString();
    };
    paper_ = paperChosen(paper_, before.format == QPrinter::NativeFormat ? before.printerName : QString(),
                         before.layout.pageSize(), target(printer), printer.pageLayout().pageSize());
    chosen_ = true;
    return true;
}

void PrinterChoice::checkJob()
{
    QPrinter& printer = services_.printer();
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    // Qt hands a finished job to the print system and drops the answer;
    // the library keeps the last one for this thread.
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return;
    const QString reason = QString::fromLocal8Bit(cupsLastErrorString());
    const QString name = printer.printerName();
    // The library's own reason for a queue that went away or a server that
    // stopped is that of a socket or a file, which says nothing here.
    if (const QueueState state = queueState(name); state != QueueState::Ready)
        throw Error(queueFailure(state, name).toStdString());
    throw Error(text("The picture could not be printed: %1").arg(reason).toStdString());
}

} // namespace veldor
