// quintor-puzzle: the puzzle generator, the technique ladder and the complete search on the
// command line, for puzzle makers and scripts. Links the engine only.
//   quintor-puzzle levels
//   quintor-puzzle generate --level L --seed N [--symmetric]
//   quintor-puzzle grade FILE
//   quintor-puzzle solve FILE
// FILE "-" is the standard input. Puzzles are read and written as the game pastes and copies
// them (engine/puzzletext.h). Errors go to the standard error in German; bad usage or input
// ends with status 2, everything else with 0 (1 when the generator finds no puzzle in time).
#include "engine/generate.h"
#include "engine/hint.h"
#include "engine/puzzletext.h"
#include "engine/search.h"
#include "play/hinttext.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kBadInput = 2;
// A puzzle text is 21 lines of 21 characters; anything far larger is no puzzle.
constexpr std::size_t kReadLimit = 1 << 20;

const char* const kUsage =
    "Aufruf:\n"
    "  quintor-puzzle levels\n"
    "  quintor-puzzle generate --level STUFE --seed ZAHL [--symmetric]\n"
    "  quintor-puzzle grade DATEI\n"
    "  quintor-puzzle solve DATEI\n"
    "STUFE ist die Nummer einer Stufe (1 bis 5) oder ihr Name (quintor-puzzle levels);\n"
    "DATEI \"-\" liest die Standardeingabe.\n";

int fail(const std::string& message) {
    std::cerr << "quintor-puzzle: " << message << "\n";
    return kBadInput;
}
int usage(const std::string& message) {
    std::cerr << "quintor-puzzle: " << message << "\n" << kUsage;
    return kBadInput;
}

std::string cellPlace(const PuzzleTextError& e) {
    std::string place = "Gitter " + std::to_string(e.grid + 1) + ", Zeile " +
                        std::to_string(e.gridRow) + ", Spalte " + std::to_string(e.gridColumn);
    if (e.line > 0)
        place +=
            " (Textzeile " + std::to_string(e.line) + ", Zeichen " + std::to_string(e.column) + ")";
    return place;
}

// The fault of a puzzle text in words, as the game gives it when a puzzle is pasted.
std::string reason(const PuzzleTextError& e) {
    switch (e.problem) {
    case PuzzleTextProblem::WrongSize:
        if (e.line == 0)
            return "Der Text hat " + std::to_string(e.count) +
                   (e.count == 1 ? " Zeile" : " Zeilen") +
                   ". Ein Rätsel hat 21 Zeilen zu 21 Zeichen (das Feld, wie es gezeichnet ist) "
                   "oder 5 Zeilen zu 81 Zeichen (die Gitter der Reihe nach).";
        return "Textzeile " + std::to_string(e.line) + " hat " + std::to_string(e.count) +
               " Zeichen: Mit 21 Zeilen sind es höchstens 21 je Zeile, mit 5 Zeilen genau 81.";
    case PuzzleTextProblem::BadCharacter: {
        const auto code = static_cast<unsigned char>(e.character);
        const std::string shown = code > 32 && code < 127 ? std::string("„") + e.character + "“"
                                                          : std::string("Ein fremdes Zeichen");
        if (e.grid < 0)
            return "Textzeile " + std::to_string(e.line) + ", Zeichen " + std::to_string(e.column) +
                   ": " + shown + " steht außerhalb der Gitter; dort gehört ein Leerzeichen hin.";
        return cellPlace(e) + ": " + shown +
               " ist keine Ziffer. In einem Feld steht 1 bis 9, oder ein Punkt oder eine 0 für "
               "ein leeres Feld.";
    }
    case PuzzleTextProblem::CopiesDiffer:
        return "Das Feld in " + cellPlace(e) +
               " gehört zu zwei Gittern und hat in ihnen verschiedene Ziffern.";
    case PuzzleTextProblem::DigitRepeated:
        return "Die Ziffer in " + cellPlace(e) +
               " steht in ihrer Zeile, ihrer Spalte oder ihrem Kasten schon einmal.";
    case PuzzleTextProblem::NoSolution:
        if (e.grid < 0) return "Das Rätsel hat keine Lösung.";
        return "Das Rätsel hat keine Lösung: In " + cellPlace(e) + " passt keine Ziffer.";
    case PuzzleTextProblem::SeveralSolutions:
        return "Das Rätsel hat mehr als eine Lösung: In " + cellPlace(e) +
               " sind verschiedene Ziffern möglich.";
    }
    return {};
}

std::string sourceName(const std::string& path) {
    return path == "-" ? std::string("Die Standardeingabe") : "Die Datei „" + path + "“";
}

// The whole file (or the standard input for "-"); none with the message written when it cannot
// be read or is far too large for a puzzle.
std::optional<std::string> readInput(const std::string& path) {
    std::FILE* f = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!f) {
        const char* why = errno == ENOENT   ? " Sie ist nicht vorhanden."
                          : errno == EACCES ? " Der Zugriff ist nicht erlaubt."
                                            : "";
        fail(sourceName(path) + " kann nicht gelesen werden." + why);
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0 && text.size() <= kReadLimit)
        text.append(buffer, n);
    const bool error = std::ferror(f) != 0;
    if (f != stdin) std::fclose(f);
    if (error) {
        fail(sourceName(path) + " kann nicht gelesen werden.");
        return std::nullopt;
    }
    if (text.size() > kReadLimit) {
        fail(sourceName(path) + " ist zu groß für ein Rätsel.");
        return std::nullopt;
    }
    return text;
}

int puzzleError(const std::string& path, const PuzzleTextError& e) {
    return fail(sourceName(path) + " ist kein gültiges Rätsel.\n" + reason(e));
}

int levels() {
    for (const GeneratedLevelInfo& info : kGeneratedLevels) std::cout << info.name << "\n";
    return 0;
}

// A level's number 1..5 or its name (ASCII letters in any case; "ss" for "ß").
std::optional<GeneratedLevel> parseLevel(std::string_view text) {
    const auto fold = [](std::string_view s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s.substr(i, 2) == "ß") {
                out += "ss";
                ++i;
            } else {
                const char c = s[i];
                out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
        }
        return out;
    };
    for (int i = 0; i < kGeneratedLevelCount; ++i)
        if (text == std::to_string(i + 1) || fold(text) == fold(kGeneratedLevels[i].name))
            return static_cast<GeneratedLevel>(i);
    return std::nullopt;
}

std::optional<std::uint32_t> parseSeed(std::string_view text) {
    std::uint32_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return seed;
}

int generate(int argc, char** argv) {
    std::optional<GeneratedLevel> level;
    std::optional<std::uint32_t> seed;
    bool symmetric = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--symmetric") {
            symmetric = true;
        } else if (arg == "--level" || arg == "--seed") {
            if (i + 1 >= argc) return usage(std::string(arg) + " braucht einen Wert.");
            const std::string_view value = argv[++i];
            if (arg == "--level") {
                level = parseLevel(value);
                if (!level)
                    return usage("Unbekannte Stufe „" + std::string(value) +
                                 "“: erlaubt sind 1 bis 5 oder die Namen aus "
                                 "„quintor-puzzle levels“.");
            } else {
                seed = parseSeed(value);
                if (!seed)
                    return usage("Ungültiger Startwert „" + std::string(value) +
                                 "“: erlaubt ist eine ganze Zahl von 0 bis 4294967295.");
            }
        } else {
            return usage("Unbekannte Angabe „" + std::string(arg) + "“.");
        }
    }
    if (!level) return usage("Die Stufe fehlt (--level).");
    if (!seed) return usage("Der Startwert fehlt (--seed).");
    const std::atomic<bool> cancel{false};
    const std::optional<GeneratedPuzzle> puzzle =
        generatePuzzle(*level, symmetric, *seed, cancel, {}, kGenerateAttempts);
    if (!puzzle) {
        std::cerr << "quintor-puzzle: Für die Stufe " << generatedLevelInfo(*level).name
                  << " und den Startwert " << *seed << " fand sich kein Rätsel.\n";
        return 1;
    }
    std::cout << writePuzzleText(puzzle->givens);
    return 0;
}

// The puzzle text of the one file the command names; none with the message written.
std::optional<std::string> fileArgument(int argc, char** argv) {
    if (argc != 3) {
        usage(std::string(argv[1]) + " braucht genau eine Datei.");
        return std::nullopt;
    }
    return readInput(argv[2]);
}

int grade(int argc, char** argv) {
    const std::optional<std::string> text = fileArgument(argc, argv);
    if (!text) return kBadInput;
    const PuzzleText read = readPuzzleText(*text);
    if (read.error) return puzzleError(argv[2], *read.error);
    Board b;
    b.cellValue = read.values;
    const Grade g = gradeBoard(b);
    std::cout << "Technik: " << techniqueName(g.hardest) << "\n"
              << "Schritte: " << g.steps << "\n";
    return 0;
}

int solve(int argc, char** argv) {
    const std::optional<std::string> text = fileArgument(argc, argv);
    if (!text) return kBadInput;
    const PuzzleText read = readPuzzleText(*text);
    if (read.error) {
        // A well-formed puzzle without exactly one completion is answered, not refused.
        if (read.error->problem == PuzzleTextProblem::NoSolution) {
            std::cout << "0\n";
            return 0;
        }
        if (read.error->problem == PuzzleTextProblem::SeveralSolutions) {
            std::cout << "2\n";
            return 0;
        }
        return puzzleError(argv[2], *read.error);
    }
    Board b;
    b.cellValue = read.values;
    BoardArray solution{};
    const int count = countSolutions(b, 2, &solution);
    std::cout << count << "\n";
    if (count == 1) std::cout << writePuzzleText(solution);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("Es fehlt ein Befehl.");
    const std::string_view command = argv[1];
    if (command == "levels") {
        if (argc != 2) return usage("levels erwartet keine weiteren Angaben.");
        return levels();
    }
    if (command == "generate") return generate(argc, argv);
    if (command == "grade") return grade(argc, argv);
    if (command == "solve") return solve(argc, argv);
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    return usage("Unbekannter Befehl „" + std::string(command) + "“.");
}
