// Sending a printed concordance to the system's printer: `concord --print` hands the PDF to lp.
#pragma once

#include <string>

namespace lx {

// The lp command found on PATH, or empty when there is none.
std::string FindPrintCommand();
// Why --print cannot work here, or empty when it can.
std::string PrintCommandFault();
// Queues the PDF with lp (its chatter goes to standard error); false and the reason when it could not.
bool SendToPrinter(const std::string& pdf, std::string& fault);
// A new empty file name for a PDF that lives only until it is queued.
std::string TemporaryPdfName();

}  // namespace lx
