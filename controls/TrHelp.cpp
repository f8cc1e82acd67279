#include "controls/TrHelp.h"

#include <array>

namespace slovnik {

namespace {

constexpr QSize kClientSize(259, 308);

// Line by line as the window has always shown it, trailing blanks and spelling included.
constexpr std::array<const char16_t *, 23> kHelpText{
    u"TRANSLÁTOR UMOŽŇUJE PŘEKLAD Z ČESKÉHO ",
    u"JAZYKU POUZE PRO SLOVA V ZÁKLADNÍM ",
    u"TVARU. SLOVA SKLOŇOVANÁ NEBO ČASOVANÁ ",
    u"PŘELOŽIT NEUMÍ. ",
    u"",
    u"Zdrojový text, který chcete přeložit, napište do ",
    u"textového pole nebo vložte ",
    u"ze schránky pomocí tlačitka \"Vložit zdrojový text\".",
    u"",
    u"Zdrojový text vložte do mřížky pomocí tlačitka \"Vložit ",
    u"text ....\" a proveďte překlad tlačitkem \"Překlad\".",
    u"",
    u"Pro každé slovo vyberte odpovídající význam z ",
    u"nabídky, nebo jej napište. ",
    u"",
    u"Tlačitkem \"Sestavit větu ..\" sestavíte větu ze ",
    u"zvolených výrazů a vložíte do pole \"Přeložený text\".",
    u"",
    u"Tlačítkem \"Kopírovat přeložený ..\" vložíte text do ",
    u"schránky a zpřístupníte dalším aplikacím.",
    u"",
    u"Kapacita překladu je omezena na 128 slov. Pokud ",
    u"překládate delší text, rozdělte jej na menší části.",
};

} // namespace

TTrHelpForm::TTrHelpForm(QWidget *parent) : HelpWindow(kClientSize, false, kHelpText, parent)
{
    setWindowTitle(QStringLiteral("Translátor - nápověda"));
}

} // namespace slovnik
