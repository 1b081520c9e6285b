// The sentences of the hint key (see hinttext.h), built from the ladder's data: the German
// ones first, then the English ones of the same content and forms.
#include "play/hinttext.h"

#include <algorithm>

namespace {

bool isSingle(Technique t) {
    return t <= Technique::HiddenSingleColumn;
}

std::string digitText(int d, bool showDigits) {
    return std::string(1, static_cast<char>(showDigits ? '0' + d : 64 + d));
}
std::string listText(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " und " : ", ";
        text += items[i];
    }
    return text;
}
std::string digitsText(const std::vector<int>& digits, bool showDigits) {
    std::vector<std::string> items;
    for (int d : digits) items.push_back(digitText(d, showDigits));
    return "die " + listText(items);
}
std::string unitText(const HintUnit& u) {
    const char* kind = u.kind == UnitKind::Row      ? "Zeile "
                       : u.kind == UnitKind::Column ? "Spalte "
                                                    : "Kasten ";
    return kind + std::to_string(u.number);
}
std::string gridText(int grid) {
    return "Gitter " + std::to_string(grid + 1);
}
std::string cellText(const HintCell& c) {
    return "Zeile " + std::to_string(c.row) + ", Spalte " + std::to_string(c.column);
}
// The cells of a pattern named by their places in unit u: the columns of a row, the rows of
// a column, row and column in a box.
std::string placesText(const std::vector<HintCell>& cells, const HintUnit& u) {
    std::vector<std::string> items;
    for (const HintCell& c : cells) {
        if (u.kind == UnitKind::Row)
            items.push_back(std::to_string(c.column));
        else if (u.kind == UnitKind::Column)
            items.push_back(std::to_string(c.row));
        else
            items.push_back(cellText(c));
    }
    const std::string lead = u.kind == UnitKind::Row      ? "Spalte "
                             : u.kind == UnitKind::Column ? "Zeile "
                                                          : "";
    return lead + listText(items);
}

std::string germanTechniqueName(Technique t) {
    switch (t) {
    case Technique::NakedSingle:
        return "Nackter Einer";
    case Technique::HiddenSingleBox:
    case Technique::HiddenSingleRow:
    case Technique::HiddenSingleColumn:
        return "Versteckter Einer";
    case Technique::LockedPointing:
    case Technique::LockedClaiming:
        return "Gesperrter Kandidat";
    case Technique::NakedPair:
        return "Nacktes Paar";
    case Technique::NakedTriple:
        return "Nackter Dreier";
    case Technique::HiddenPair:
        return "Verstecktes Paar";
    case Technique::HiddenTriple:
        return "Versteckter Dreier";
    case Technique::XWing:
        return "X-Wing";
    case Technique::NakedQuad:
        return "Nackter Vierer";
    case Technique::HiddenQuad:
        return "Versteckter Vierer";
    case Technique::Swordfish:
        return "Schwertfisch";
    case Technique::XYWing:
        return "XY-Wing";
    case Technique::XYZWing:
        return "XYZ-Wing";
    case Technique::WWing:
        return "W-Wing";
    case Technique::Skyscraper:
        return "Wolkenkratzer";
    case Technique::TwoStringKite:
        return "Drachen";
    case Technique::SimpleColouring:
        return "Einfärben";
    case Technique::ForcingChain:
        return "Widerspruchskette";
    case Technique::Guess:
        return "Probieren";
    }
    return "";
}

// The sentence of a single: names the digit and its cell.
std::string singleText(const Hint& h, bool showDigits) {
    const HintUnit& u = h.units.front();
    const std::string grid = gridText(u.grid);
    const std::string digit = digitsText(h.digits, showDigits);
    switch (h.technique) {
    case Technique::HiddenSingleRow:
        return "Tipp: In " + grid + " passt " + digit + " in " + unitText(u) + " nur in Spalte " +
               std::to_string(h.target.column) + ".";
    case Technique::HiddenSingleColumn:
        return "Tipp: In " + grid + " passt " + digit + " in " + unitText(u) + " nur in Zeile " +
               std::to_string(h.target.row) + ".";
    case Technique::HiddenSingleBox:
        return "Tipp: In " + grid + " passt " + digit + " in " + unitText(u) + " nur in " +
               cellText(h.target) + ".";
    default:
        return "Tipp: In " + gridText(h.target.grid) + " passt in " + cellText(h.target) +
               " nur noch " + digit + ".";
    }
}

// An elimination explained in full and in short, without the leading "Tipp: name".
struct Explanation {
    std::string full, brief;
};
Explanation explain(const Hint& h, bool showDigits) {
    const std::string digits = h.digits.empty() ? "" : digitsText(h.digits, showDigits);
    // The removals of a step on cells: the cell when there is one, else how many; as a
    // sentence of its own and after "also".
    std::string where;
    if (h.removed.size() == 1)
        where = gridText(h.removed.front().cell.grid) + ", " + cellText(h.removed.front().cell);
    else
        where = std::to_string(h.removed.size()) + " Feldern";
    // A W-wing's digits are the one it removes and the one that links its cells.
    const std::string removedDigits = h.technique == Technique::WWing && !h.digits.empty()
                                          ? digitsText({h.digits.front()}, showDigits)
                                          : digits;
    const std::string gone = removedDigits + " fällt in " + where + " weg";
    const std::string soGone = "also fällt " + removedDigits + " in " + where + " weg";
    if (h.units.empty() || h.technique == Technique::Skyscraper ||
        h.technique == Technique::TwoStringKite || h.technique == Technique::WWing) {
        const HintCell& c = h.cells.front();
        switch (h.technique) {
        case Technique::XYWing:
            return {"um " + gridText(c.grid) + ", " + cellText(c) +
                        " hat eines der zwei gelben Flügelfelder " + digits + "; " + soGone,
                    gone};
        case Technique::XYZWing:
            return {"eines der drei gelben Felder um " + gridText(c.grid) + ", " + cellText(c) +
                        " hat " + digits + "; " + soGone,
                    gone};
        case Technique::WWing: {
            // The two cells with the same pair, then the two places of the linking digit.
            const HintCell& d = h.cells.at(1);
            const HintUnit& link = h.units.front();
            std::vector<int> pair = h.digits;
            std::sort(pair.begin(), pair.end());
            const std::string linking = digitsText({h.digits.at(1)}, showDigits);
            return {gridText(c.grid) + ", " + cellText(c) + " und " + gridText(d.grid) + ", " +
                        cellText(d) + " haben nur " + digitsText(pair, showDigits) + "; " +
                        linking + " hat in " + unitText(link) + " von " + gridText(link.grid) +
                        " zwei Plätze, die je eines davon sehen, so hat eines der beiden " +
                        removedDigits + "; " + soGone,
                    gone};
        }
        case Technique::Skyscraper:
        case Technique::TwoStringKite: {
            const HintUnit& a = h.units[0];
            const HintUnit& b = h.units[1];
            const std::string lines =
                a.grid == b.grid ? unitText(a) + " und " + unitText(b) + " von " + gridText(a.grid)
                                 : unitText(a) + " von " + gridText(a.grid) + " und " +
                                       unitText(b) + " von " + gridText(b.grid);
            return {digits + " hat in " + lines + " je zwei Plätze, zwei davon sehen sich; " +
                        soGone,
                    gone};
        }
        case Technique::SimpleColouring:
            return {"die Paare " + (digits.empty() ? "" : "der " + digits.substr(4)) +
                        " färben die gelben Felder in zwei Farben, eine ist richtig; " + soGone,
                    gone};
        case Technique::ForcingChain:
            return {"stünde " + digits + " in " + gridText(c.grid) + ", " + cellText(c) +
                        ", führten die Einer zu einem Widerspruch; also steht sie dort nicht",
                    "nicht " + digits + " in " + gridText(c.grid) + ", " + cellText(c) +
                        ": die Einer führten zum Widerspruch"};
        default:
            return {gone, gone};
        }
    }
    const HintUnit& u = h.units.front();
    const std::string grid = gridText(u.grid);
    switch (h.technique) {
    case Technique::Swordfish: {
        std::vector<std::string> base, cover;
        for (std::size_t i = 0; i < h.units.size(); ++i)
            (i < 3 ? base : cover).push_back(std::to_string(h.units[i].number));
        const std::string baseKind = u.kind == UnitKind::Row ? "Zeile " : "Spalte ";
        const std::string coverKind = u.kind == UnitKind::Row ? "Spalte " : "Zeile ";
        return {"in " + grid + " passt " + digits + " in " + baseKind + listText(base) +
                    " nur in " + coverKind + listText(cover) + ", also nirgends sonst dort",
                grid + ": " + digits + " in " + baseKind + listText(base) + " nur in " + coverKind +
                    listText(cover)};
    }
    case Technique::LockedPointing:
    case Technique::LockedClaiming:
        return {"in " + grid + " steht " + digits + " in " + unitText(u) + " nur in " +
                    unitText(h.units[1]) + ", also nirgends sonst in " + unitText(h.units[1]),
                grid + ", " + unitText(u) + ": " + digits + " nur in " + unitText(h.units[1])};
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return {"in " + grid + " teilen sich in " + unitText(u) + " die Felder in " +
                    placesText(h.cells, u) + " " + digits +
                    ", also stehen diese nirgends sonst in " + unitText(u),
                grid + ", " + unitText(u) + ": " + placesText(h.cells, u) + " nur " + digits};
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return {"in " + grid + " passen " + digits + " in " + unitText(u) + " nur in " +
                    placesText(h.cells, u) + ", also steht dort keine andere Zahl",
                grid + ", " + unitText(u) + ": " + digits + " nur in " + placesText(h.cells, u)};
    case Technique::XWing:
        return {"in " + grid + " passt " + digits + " in " + unitText(h.units[0]) + " und " +
                    unitText(h.units[1]) + " nur in " + unitText(h.units[2]) + " und " +
                    unitText(h.units[3]) + ", also nirgends sonst in diesen beiden Linien",
                grid + ": " + digits + " in " + unitText(h.units[0]) + " und " +
                    std::to_string(h.units[1].number) + " nur in " + unitText(h.units[2]) +
                    " und " + std::to_string(h.units[3].number)};
    default:
        return {};
    }
}

std::vector<std::string> germanHintTexts(const Hint& h, bool showDigits) {
    if (isSingle(h.technique)) return {singleText(h, showDigits)};
    const std::string lead = "Tipp: " + germanTechniqueName(h.technique);
    const Explanation e = explain(h, showDigits);
    std::vector<std::string> texts;
    if (h.found) {
        const std::string then = "; damit gehört die " + digitText(h.targetDigit, showDigits) +
                                 " in " + gridText(h.target.grid) + ", " + cellText(h.target) + ".";
        texts.push_back(lead + " – " + e.full + then);
        texts.push_back(lead + " – " + e.brief + then);
        // The brief form names its grid first; a target in the same grid needs it no more.
        const int grid = h.units.empty() ? -1 : h.units.front().grid;
        if (grid == h.target.grid && h.technique != Technique::Skyscraper &&
            h.technique != Technique::TwoStringKite && h.technique != Technique::WWing)
            texts.push_back(lead + " – " + e.brief + "; damit gehört die " +
                            digitText(h.targetDigit, showDigits) + " in " + cellText(h.target) +
                            ".");
    }
    texts.push_back(lead + " – " + e.full + ".");
    texts.push_back(lead + " – " + e.brief + ".");
    std::string shortest = lead;
    // "mit der 4", "mit den 4 und 5"
    if (!h.digits.empty())
        shortest += (h.digits.size() == 1 ? " mit der " : " mit den ") +
                    digitsText(h.digits, showDigits).substr(4);
    if (!h.units.empty())
        shortest += " in " + gridText(h.units.front().grid);
    else if (!h.cells.empty())
        shortest += " in " + gridText(h.cells.front().grid);
    texts.push_back(shortest + ".");
    return texts;
}

std::vector<std::string> germanAdviceTexts(const HintAdvice& advice, bool showDigits) {
    switch (advice.outcome) {
    case HintOutcome::Step:
        return germanHintTexts(advice.step, showDigits);
    case HintOutcome::WrongEntry:
        return {"Tipp: Die " + digitText(advice.wrongDigit, showDigits) + " in " +
                gridText(advice.wrong.grid) + ", " + cellText(advice.wrong) + " ist falsch."};
    case HintOutcome::NoSolution:
        return {"Tipp: Das Brett hat so keine Lösung."};
    case HintOutcome::Complete:
        return {"Tipp: Das Brett ist fertig."};
    case HintOutcome::SeveralSolutions:
        return {"Tipp: Das Brett hat mehr als eine Lösung."};
    case HintOutcome::OnlyTrial:
        return {"Tipp: Hier hilft nur noch Probieren."};
    }
    return {};
}

// The English sentences: the same content in the same forms, longest first.

std::string englishTechniqueName(Technique t) {
    switch (t) {
    case Technique::NakedSingle:
        return "Naked Single";
    case Technique::HiddenSingleBox:
    case Technique::HiddenSingleRow:
    case Technique::HiddenSingleColumn:
        return "Hidden Single";
    case Technique::LockedPointing:
    case Technique::LockedClaiming:
        return "Locked Candidate";
    case Technique::NakedPair:
        return "Naked Pair";
    case Technique::NakedTriple:
        return "Naked Triple";
    case Technique::HiddenPair:
        return "Hidden Pair";
    case Technique::HiddenTriple:
        return "Hidden Triple";
    case Technique::XWing:
        return "X-Wing";
    case Technique::NakedQuad:
        return "Naked Quad";
    case Technique::HiddenQuad:
        return "Hidden Quad";
    case Technique::Swordfish:
        return "Swordfish";
    case Technique::XYWing:
        return "XY-Wing";
    case Technique::XYZWing:
        return "XYZ-Wing";
    case Technique::WWing:
        return "W-Wing";
    case Technique::Skyscraper:
        return "Skyscraper";
    case Technique::TwoStringKite:
        return "Two-String Kite";
    case Technique::SimpleColouring:
        return "Simple Colouring";
    case Technique::ForcingChain:
        return "Forcing Chain";
    case Technique::Guess:
        return "Trial and Error";
    }
    return "";
}

std::string englishList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}
// "the 4", "the 4 and 5"
std::string englishDigits(const std::vector<int>& digits, bool showDigits) {
    std::vector<std::string> items;
    for (int d : digits) items.push_back(digitText(d, showDigits));
    return "the " + englishList(items);
}
std::string englishKind(UnitKind kind, bool plural = false) {
    const char* name = kind == UnitKind::Row ? "row" : kind == UnitKind::Column ? "column" : "box";
    return std::string(name) + (plural ? (kind == UnitKind::Box ? "es" : "s") : "");
}
std::string englishUnit(const HintUnit& u) {
    return englishKind(u.kind) + " " + std::to_string(u.number);
}
// "rows 2 and 7": lines of one kind by their numbers.
std::string englishUnits(UnitKind kind, const std::vector<std::string>& numbers) {
    return englishKind(kind, numbers.size() > 1) + " " + englishList(numbers);
}
std::string englishGrid(int grid) {
    return "grid " + std::to_string(grid + 1);
}
std::string englishCell(const HintCell& c) {
    return "row " + std::to_string(c.row) + ", column " + std::to_string(c.column);
}
// The cells of a pattern by their places in unit u, as placesText.
std::string englishPlaces(const std::vector<HintCell>& cells, const HintUnit& u) {
    std::vector<std::string> items;
    for (const HintCell& c : cells) {
        if (u.kind == UnitKind::Row)
            items.push_back(std::to_string(c.column));
        else if (u.kind == UnitKind::Column)
            items.push_back(std::to_string(c.row));
        else
            items.push_back(englishCell(c));
    }
    if (u.kind == UnitKind::Box) return englishList(items);
    return englishUnits(u.kind == UnitKind::Row ? UnitKind::Column : UnitKind::Row, items);
}

std::string englishSingle(const Hint& h, bool showDigits) {
    const HintUnit& u = h.units.front();
    const std::string grid = englishGrid(u.grid);
    const std::string digit = englishDigits(h.digits, showDigits);
    switch (h.technique) {
    case Technique::HiddenSingleRow:
        return "Hint: In " + grid + ", " + digit + " can go in " + englishUnit(u) +
               " only in column " + std::to_string(h.target.column) + ".";
    case Technique::HiddenSingleColumn:
        return "Hint: In " + grid + ", " + digit + " can go in " + englishUnit(u) +
               " only in row " + std::to_string(h.target.row) + ".";
    case Technique::HiddenSingleBox:
        return "Hint: In " + grid + ", " + digit + " can go in " + englishUnit(u) + " only in " +
               englishCell(h.target) + ".";
    default:
        return "Hint: In " + englishGrid(h.target.grid) + ", only " + digit + " is left for " +
               englishCell(h.target) + ".";
    }
}

Explanation englishExplain(const Hint& h, bool showDigits) {
    const std::string digits = h.digits.empty() ? "" : englishDigits(h.digits, showDigits);
    const std::string is = h.digits.size() > 1 ? " are" : " is";
    std::string where;
    if (h.removed.size() == 1)
        where =
            englishGrid(h.removed.front().cell.grid) + ", " + englishCell(h.removed.front().cell);
    else
        where = std::to_string(h.removed.size()) + " cells";
    // A W-wing's digits are the one it removes and the one that links its cells.
    const bool wWing = h.technique == Technique::WWing && !h.digits.empty();
    const std::string removedDigits =
        wWing ? englishDigits({h.digits.front()}, showDigits) : digits;
    const std::string gone = removedDigits + (wWing ? " is" : is) + " ruled out in " + where;
    const std::string soGone = "so " + gone;
    if (h.units.empty() || h.technique == Technique::Skyscraper ||
        h.technique == Technique::TwoStringKite || h.technique == Technique::WWing) {
        const HintCell& c = h.cells.front();
        switch (h.technique) {
        case Technique::XYWing:
            return {"one of the two yellow wing cells around " + englishGrid(c.grid) + ", " +
                        englishCell(c) + " holds " + digits + "; " + soGone,
                    gone};
        case Technique::XYZWing:
            return {"one of the three yellow cells around " + englishGrid(c.grid) + ", " +
                        englishCell(c) + " holds " + digits + "; " + soGone,
                    gone};
        case Technique::WWing: {
            const HintCell& d = h.cells.at(1);
            const HintUnit& link = h.units.front();
            std::vector<int> pair = h.digits;
            std::sort(pair.begin(), pair.end());
            return {englishGrid(c.grid) + ", " + englishCell(c) + " and " + englishGrid(d.grid) +
                        ", " + englishCell(d) + " hold only " + englishDigits(pair, showDigits) +
                        "; " + englishDigits({h.digits.at(1)}, showDigits) + " has two places in " +
                        englishUnit(link) + " of " + englishGrid(link.grid) +
                        ", each seeing one of them, so one of the two " + "holds " + removedDigits +
                        "; " + soGone,
                    gone};
        }
        case Technique::Skyscraper:
        case Technique::TwoStringKite: {
            const HintUnit& a = h.units[0];
            const HintUnit& b = h.units[1];
            const std::string lines =
                a.grid == b.grid
                    ? englishUnit(a) + " and " + englishUnit(b) + " of " + englishGrid(a.grid)
                    : englishUnit(a) + " of " + englishGrid(a.grid) + " and " + englishUnit(b) +
                          " of " + englishGrid(b.grid);
            return {digits + " has two places each in " + lines +
                        ", two of which see each other; " + soGone,
                    gone};
        }
        case Technique::SimpleColouring:
            return {"the pairs " + (digits.empty() ? "" : "of " + digits + " ") +
                        "colour the yellow cells in two colours, one of them true; " + soGone,
                    gone};
        case Technique::ForcingChain:
            return {"if " + digits + " stood in " + englishGrid(c.grid) + ", " + englishCell(c) +
                        ", the singles would lead to a contradiction; so it does not go there",
                    "not " + digits + " in " + englishGrid(c.grid) + ", " + englishCell(c) +
                        ": the singles lead to a contradiction"};
        default:
            return {gone, gone};
        }
    }
    const HintUnit& u = h.units.front();
    const std::string grid = englishGrid(u.grid);
    switch (h.technique) {
    case Technique::Swordfish: {
        std::vector<std::string> base, cover;
        for (std::size_t i = 0; i < h.units.size(); ++i)
            (i < 3 ? base : cover).push_back(std::to_string(h.units[i].number));
        const UnitKind coverKind = u.kind == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
        const std::string lines =
            englishUnits(u.kind, base) + " only in " + englishUnits(coverKind, cover);
        return {"in " + grid + ", " + digits + " can go in " + lines +
                    ", so nowhere else in those " + englishKind(coverKind, true),
                grid + ": " + digits + " in " + lines};
    }
    case Technique::LockedPointing:
    case Technique::LockedClaiming:
        return {"in " + grid + ", " + digits + " lies in " + englishUnit(u) + " only in " +
                    englishUnit(h.units[1]) + ", so nowhere else in " + englishUnit(h.units[1]),
                grid + ", " + englishUnit(u) + ": " + digits + " only in " +
                    englishUnit(h.units[1])};
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return {"in " + grid + ", " + englishUnit(u) + ", the cells in " +
                    englishPlaces(h.cells, u) + " share " + digits +
                    ", so those go nowhere else in " + englishUnit(u),
                grid + ", " + englishUnit(u) + ": " + englishPlaces(h.cells, u) + " hold only " +
                    digits};
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return {"in " + grid + ", " + digits + " can go in " + englishUnit(u) + " only in " +
                    englishPlaces(h.cells, u) + ", so those cells hold no other digit",
                grid + ", " + englishUnit(u) + ": " + digits + " only in " +
                    englishPlaces(h.cells, u)};
    case Technique::XWing: {
        const std::string lines =
            englishUnits(h.units[0].kind,
                         {std::to_string(h.units[0].number), std::to_string(h.units[1].number)}) +
            " only in " +
            englishUnits(h.units[2].kind,
                         {std::to_string(h.units[2].number), std::to_string(h.units[3].number)});
        return {"in " + grid + ", " + digits + " can go in " + lines +
                    ", so nowhere else in those two " + englishKind(h.units[2].kind, true),
                grid + ": " + digits + " in " + lines};
    }
    default:
        return {};
    }
}

std::vector<std::string> englishHintTexts(const Hint& h, bool showDigits) {
    if (isSingle(h.technique)) return {englishSingle(h, showDigits)};
    const std::string lead = "Hint: " + englishTechniqueName(h.technique);
    const Explanation e = englishExplain(h, showDigits);
    std::vector<std::string> texts;
    if (h.found) {
        const std::string digit = digitText(h.targetDigit, showDigits);
        const std::string then = "; that puts the " + digit + " in " + englishGrid(h.target.grid) +
                                 ", " + englishCell(h.target) + ".";
        texts.push_back(lead + " – " + e.full + then);
        texts.push_back(lead + " – " + e.brief + then);
        const int grid = h.units.empty() ? -1 : h.units.front().grid;
        if (grid == h.target.grid && h.technique != Technique::Skyscraper &&
            h.technique != Technique::TwoStringKite && h.technique != Technique::WWing)
            texts.push_back(lead + " – " + e.brief + "; that puts the " + digit + " in " +
                            englishCell(h.target) + ".");
    }
    texts.push_back(lead + " – " + e.full + ".");
    texts.push_back(lead + " – " + e.brief + ".");
    std::string shortest = lead;
    // "with the 4", "with the 4 and 5"
    if (!h.digits.empty()) shortest += " with " + englishDigits(h.digits, showDigits);
    if (!h.units.empty())
        shortest += " in " + englishGrid(h.units.front().grid);
    else if (!h.cells.empty())
        shortest += " in " + englishGrid(h.cells.front().grid);
    texts.push_back(shortest + ".");
    return texts;
}

std::vector<std::string> englishAdviceTexts(const HintAdvice& advice, bool showDigits) {
    switch (advice.outcome) {
    case HintOutcome::Step:
        return englishHintTexts(advice.step, showDigits);
    case HintOutcome::WrongEntry:
        return {"Hint: The " + digitText(advice.wrongDigit, showDigits) + " in " +
                englishGrid(advice.wrong.grid) + ", " + englishCell(advice.wrong) + " is wrong."};
    case HintOutcome::NoSolution:
        return {"Hint: The board has no solution as it stands."};
    case HintOutcome::Complete:
        return {"Hint: The board is complete."};
    case HintOutcome::SeveralSolutions:
        return {"Hint: The board has more than one solution."};
    case HintOutcome::OnlyTrial:
        return {"Hint: Only trial and error helps from here."};
    }
    return {};
}

} // namespace

std::string techniqueName(Technique t, HintLanguage language) {
    return language == HintLanguage::English ? englishTechniqueName(t) : germanTechniqueName(t);
}

std::vector<std::string> hintTexts(const Hint& h, bool showDigits, HintLanguage language) {
    return language == HintLanguage::English ? englishHintTexts(h, showDigits)
                                             : germanHintTexts(h, showDigits);
}

std::string hintText(const Hint& h, bool showDigits, HintLanguage language) {
    return hintTexts(h, showDigits, language).front();
}

std::vector<std::string> adviceTexts(const HintAdvice& advice, bool showDigits,
                                     HintLanguage language) {
    return language == HintLanguage::English ? englishAdviceTexts(advice, showDigits)
                                             : germanAdviceTexts(advice, showDigits);
}
