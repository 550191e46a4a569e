// The query builder in every interface language, over a catalogue with names in several
// scripts: every text it draws finds real glyphs.
#include "module/LanguageNames.h"
#include "platform/gfx/TextPainter.h"
#include "resources/ResourceIds.h"
#include "tests/dialog/QueryDialogFixture.h"

#include <string>

namespace dialogtest {
namespace {

class DialogLanguagesTest : public QueryDialogFixture {};

TEST_F(DialogLanguagesTest, NoTextOfAnyLanguageIsDrawnAsMissingGlyphBoxes) {
    Dlg().SetTableAndColumns("顧客", "編號\tשם\tเมือง\tمدينة\tThành phố\tИмя\t");
    Dlg().SetTableAndColumns("Orders", "OrderID\tTotal\t");
    settings.currentTable = "顧客";
    for (std::size_t i = 0; i < qvsql::languageNames.size(); ++i) {
        const std::string name(qvsql::languageNames[i]);
        settings.languageIndex = static_cast<int>(i);
        settings.stringFilePath =
            std::string(QVSQL_SOURCE_DIR) + "/resources/lang/" + name + ".str";
        const std::uint64_t before = gfx::TextPainter::MissingGlyphsDrawn();
        std::uint64_t drawn = 0;
        Run({[&](backend::HeadlessBackend&) {
            Press(res::IDC_ADD); // a condition row with a column name
            for (const int item : {1, 3}) {
                display->Click(ItemPoint(Dlg().columnList, item));
            }
            RedrawWindow(Dlg().m_hWnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            drawn = gfx::TextPainter::MissingGlyphsDrawn() - before;
        }});
        EXPECT_EQ(drawn, 0u) << name;
    }
}

} // namespace
} // namespace dialogtest
