#pragma once
// Where a Print goes and on which paper: the printer chosen in Print Setup,
// or else the system's default printer as it is at that Print, each on its
// own paper unless Print Setup chose another.
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <optional>

namespace veldor {

class UiServices;

// What the print system says about a queue.
enum class QueueState { Ready, Gone, Refusing, Unreachable };

// Asks the print system about `printer` ("queue" or "queue/instance").
QueueState queueState(const QString& printer);
// Whether the print system answers at all.
bool printSystemReachable();
// The message for a Print that cannot go to `printer` because of `state`.
QString queueFailure(QueueState state, const QString& printer);

// Everything of a printer that the Print Setup dialog changes as the user
// goes through it, before OK or Cancel.
struct PrinterSettings {
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString printerName;
    QString fileName;
    QPageLayout layout;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    int copyCount = 1;
    bool collate = true;
    QPrinter::PageOrder pageOrder = QPrinter::FirstPageFirst;
    QPrinter::PrintRange printRange = QPrinter::AllPages;
    int fromPage = 0, toPage = 0;
};
PrinterSettings settingsOf(const QPrinter& printer);
void applySettings(QPrinter& printer, const PrinterSettings& settings);

// The paper Print Setup chose. A paper the dialog left as it was stays
// with its printer: on another printer, that printer's own paper is used.
std::optional<QPageSize> paperChosen(const std::optional<QPageSize>& chosenBefore, const QString& printerBefore,
                                     const QPageSize& paperBefore, const QString& printerAfter,
                                     const QPageSize& paperAfter);

class PrinterChoice {
public:
    explicit PrinterChoice(UiServices& services) : services_(services) {}

    // Print Setup: OK keeps what the dialog chose, Cancel leaves the
    // printer and its settings as they were.
    bool setup();
    // The printer made ready for the next Print, on its paper; throws the
    // reason when there is none to print on.
    QPrinter& ready();
    // Whether Print writes files rather than going to a printer.
    bool printsToFile();
    // After a job to a printer: throws why the print system did not take it.
    void checkJob();

private:
    // Points the printer where the next Print goes; the reason when it
    // cannot.
    QString aim(QPrinter& printer);

    UiServices& services_;
    // Whether Print Setup chose the printer; until then each Print takes
    // the system's default printer of that moment.
    bool chosen_ = false;
    std::optional<QPageSize> paper_;
};

} // namespace veldor
