#include "CzechForms.h"

namespace slovnik {

std::vector<CzechBase> czechBaseCandidates(std::string_view word)
{
    std::vector<CzechBase> out;
    // "nevědět", "neznámý": a negated word whose table word may be the positive one.
    if (word.size() > 4 && word.starts_with("ne"))
        out.push_back({std::string(word.substr(2)), true});
    return out;
}

} // namespace slovnik
