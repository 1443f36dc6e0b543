// libFuzzer target: any bytes through lines into a sheet, by both layouts. What saving
// writes for the loaded sheet must read back to the very same sheet.

#include "sheetfile/earlierlayout.h"
#include "sheetfile/sheetcodec.h"
#include "sheetfile/sheetlayout.h"
#include "support/memoryform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace scribel;
using namespace scribel::sheetfile;

namespace {

QByteArray savedAfterLoading(const QStringList& lines) {
    test::MemoryForm form;
    applyLines(sheetLayout(), form, lines);
    return encodeSheetFile(form, Magazine::Pixelor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<SheetFileLines> sheet = readSheetFile(bytes);
    if (!sheet) {
        return 0;
    }
    test::MemoryForm earlier;
    applyLines(earlierLayout(), earlier, sheet->lines);

    const QByteArray saved = savedAfterLoading(sheet->lines);
    const std::optional<SheetFileLines> reread = readSheetFile(saved);
    if (!reread || reread->layout != Layout::Current || reread->lines.size() != kSheetLineCount ||
        savedAfterLoading(reread->lines) != saved) {
        std::abort();
    }
    return 0;
}
