#include "controls/DicHelp.h"

#include <array>

namespace slovnik {

namespace {

constexpr QSize kClientSize(355, 320);

// Line by line as the window has always shown it, trailing blanks, spelling and the two blanks
// in line 10 included.
constexpr std::array<const char16_t *, 23> kHelpText{
    u"Slovník obsahuje databázi 27000 slov v obou jazicích. Je rozšířen o ",
    u"nepravidelná slovesa včetně minuléhu a trpného tvaru. Novou funkcí ",
    u"slovníku je vyhledávání českého ekvivalentu pro anglická slovesa v ",
    u"minulém, trpném a průběhovém tvaru. Např. pro anglické sloveso ",
    u"WALKING budou vyhledány české ekvivalenty pro infinitiv ve tvaru ",
    u"WALK, pro sloveso WENT budou vyhledány ekvivalenty pro jeho infinitiv, ",
    u"sloveso GO. ",
    u"",
    u"Po zadání slova do levého vyhledávacího pole bude v pravém poli ",
    u"zobrazen první abecedně řazený ekvivalent. Další  ( pokud ve slovníku ",
    u"existují) zobrazíte kliknutím na tlačítko v trojuhelníkem v pravé části pole. ",
    u"Pokud kliknutím některý vyberete, bude zobrazen v poli a automaticky ",
    u"zařazen do seznamu, který zobrazíte klinutím na stejné tlačítko v pravé ",
    u"části levého pole a do seznamu.",
    u"",
    u"Tlačítko \"Přidat do seznamu\" vloží do seznamu slovo z pravého ",
    u"vyhledávacího pole.",
    u"",
    u"Tlačitko s vlajkou umožňuje změnu směru překladu. ",
    u"",
    u"Kliknutím na slovo s seznamu je automaticky slovo vloženo do levého ",
    u"vyhledávacího pole a jsou vyhledány ekvivalenty.",
    u"",
};

} // namespace

TDicHelpForm::TDicHelpForm(QWidget *parent) : HelpWindow(kClientSize, true, kHelpText, parent)
{
    setWindowTitle(QStringLiteral("Slovník - nápověda"));
}

} // namespace slovnik
