// The cuadrix-biblioteca command line: the usage, and the commands comprobar, importar, generar, renovar and
// refrescar.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <new>
#include <ostream>
#include <random>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

#include "app/version.h"
#include "puzzles/library.h"
#include "tools/biblioteca/changes.h"
#include "tools/biblioteca/checking.h"
#include "tools/biblioteca/refreshing.h"
#include "tools/biblioteca/solver.h"
#include "tools/biblioteca/work_folder.h"

namespace biblioteca {

namespace fs = std::filesystem;

const char* const kUsage = R"(Uso: cuadrix-biblioteca ORDEN [OPCIONES]
cuadrix-biblioteca comprueba las bibliotecas de sudokus de Cuadrix, les añade sudokus y cambia
cuáles reparte una partida nueva.

  cuadrix-biblioteca comprobar [CARPETA]
      Comprueba las bibliotecas de sudokus de CARPETA y sus ficheros de soluciones.
  cuadrix-biblioteca importar FICHERO --dificultad f|m|d [--carpeta CARPETA]
      Añade los sudokus de FICHERO, uno por línea: 81 caracteres, '.' o '0' para las
      casillas vacías. Se saltan las líneas en blanco y las que empiezan por '#'.
  cuadrix-biblioteca generar --dificultad f|m|d --cantidad N [--carpeta CARPETA] [--semilla S]
      Genera N sudokus nuevos de esa dificultad con qqwing y los añade.
  cuadrix-biblioteca renovar [--dificultad f|m|d] [--carpeta CARPETA]
      Pasa al final de cada biblioteca los sudokus que reparte una partida nueva, para que las
      siguientes repartan otros; sin --dificultad, en los tres niveles.
  cuadrix-biblioteca refrescar [--carpeta CARPETA]
      Lo que hace cuadrix al terminar cada partida: renueva los tres niveles, añade los
      sudokus nuevos del juego y, antes de que se acaben los no repartidos, genera otros.
  cuadrix-biblioteca --help | --version

  --dificultad  f (fácil), m (medio) o d (difícil)
  --carpeta     carpeta con las bibliotecas; sin ella, las de quien juega: la carpeta game
                del juego si puede escribir en ella; si no, la suya propia,
                $XDG_DATA_HOME/cuadrix/game (~/.local/share/cuadrix/game), hecha a partir de
                la del juego la primera vez
  --semilla     número que fija los sudokus generados, para poder repetirlos

Códigos de salida: 0 todo correcto, 1 se encontraron problemas, 2 error de uso.
)";

namespace {

// Says why a command could not go on, when there is a reason; true when there is none.
bool fine(std::ostream& err, const std::string& why)
{
    if (!why.empty())
        err << "cuadrix-biblioteca: " << why << '\n';
    return why.empty();
}

std::string plural(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The three levels are held while they are checked, so that no change is seen half done; a folder that cannot be
// written, or the shared data, is checked as it is.
int check(const Arguments& a, std::ostream& out, const std::string& dataFolder)
{
    Arguments folder = a;
    if (!a.positional.empty())
        folder.options["--carpeta"] = a.positional[0];
    const Where where = workFolder(folder, dataFolder, false);
    std::vector<std::unique_ptr<LevelHold>> held(levels().size());
    std::vector<Problem> blocked;
    for (std::size_t k = 0; k < held.size() && !inSharedData(where.game); ++k)
        if (const std::string why = hold(where, levels()[k], out, held[k]); !why.empty() && !held[k]->unwritable())
            blocked.push_back({(where.game / markerFile(levels()[k])).string(), 0, why});
    Report report = checkFolder(where.game);
    report.problems.insert(report.problems.begin(), blocked.begin(), blocked.end());
    for (const Problem& p : report.problems)
        out << format(p) << '\n';
    out << "Comprobados " << plural(report.files, "fichero", "ficheros") << " con "
        << plural(report.puzzles, "sudoku", "sudokus") << " en " << where.game.string() << ": "
        << (report.problems.empty() ? "ningún problema" : plural(report.problems.size(), "problema", "problemas"))
        << ".\n";
    return report.problems.empty() ? kExitOk : kExitProblems;
}

// New puzzles go only into a level whose files are sound, or that does not exist yet. Returns how many puzzles it
// has, nothing when it is not ready.
std::optional<int> levelReady(const fs::path& folder, const Level& level, std::ostream& out, std::ostream& err)
{
    const Report report = checkLevel(folder, level);
    if (report.problems.empty()
        || startsAfresh(readTextFile(folder / libraryFile(level)), readTextFile(folder / solutionFile(level))))
        return report.puzzles;
    for (const Problem& p : report.problems)
        out << format(p) << '\n';
    err << "cuadrix-biblioteca: no se añade nada hasta que " << libraryFile(level) << " y " << solutionFile(level)
        << " estén en orden\n";
    return std::nullopt;
}

// Adds the puzzles to the held level, labelled as the folder's own.
bool append(const LevelHold& held, const Where& where, std::vector<NewPuzzle>& puzzles, std::ostream& err)
{
    const Placing placing = where.own ? playersOwn(held.level) : numbered(held.level);
    return fine(err, puzzles.empty() ? std::string() : appendPuzzles(held, puzzles, placing));
}

// Why line `number` of an import file is refused; empty when its puzzle is taken, with p's puzzle and
// solution set and the puzzle added to earlier.
std::string refusal(const std::string& line, std::size_t number, const std::map<std::string, std::string>& known,
                    std::map<std::string, std::size_t>& earlier, NewPuzzle& p)
{
    if (line.size() != kCells)
        return "la línea tiene " + std::to_string(line.size()) + " caracteres y un sudoku lleva 81";
    p.puzzle = line;
    std::replace(p.puzzle.begin(), p.puzzle.end(), '.', '0');
    const std::size_t bad = p.puzzle.find_first_not_of("0123456789");
    if (bad != std::string::npos)
        return "carácter no válido en la posición " + std::to_string(bad + 1)
            + " (solo valen 1-9 y '.' o '0' para las casillas vacías)";
    if (p.puzzle.find('0') == std::string::npos)
        return "no tiene casillas vacías";
    if (known.count(p.puzzle))
        return "ya está en la biblioteca (" + known.at(p.puzzle) + ")";
    if (earlier.count(p.puzzle))
        return "repite el sudoku de la línea " + std::to_string(earlier.at(p.puzzle));
    const int solutions = countSolutions(p.puzzle, &p.solution);
    if (solutions != 1)
        return solutions == 0 ? "no tiene solución" : "tiene más de una solución";
    if (p.solution.empty())
        return "no se pudo resolver";
    earlier.emplace(p.puzzle, number);
    return {};
}

// An import file's lines sorted: the puzzles that can be added, and what is said of each line by its number (why it
// is refused, then how each accepted puzzle was added). Blank lines and lines starting with '#' are skipped.
struct Sorted {
    std::vector<NewPuzzle> accepted;
    std::map<std::string, std::size_t> lineOf;    // each accepted puzzle's line
    std::map<std::size_t, std::string> messages;  // by line
};

Sorted sortImport(const TextFile& input, const std::map<std::string, std::string>& known)
{
    Sorted sorted;
    for (std::size_t number = 1; number <= input.lines.size(); ++number) {
        const std::string& line = input.lines[number - 1];
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        NewPuzzle p;
        const std::string trimmed = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        const std::string why = refusal(trimmed, number, known, sorted.lineOf, p);
        if (why.empty())
            sorted.accepted.push_back(p);
        else
            sorted.messages.emplace(number, "rechazado: " + why);
    }
    return sorted;
}

int import(const Arguments& a, std::ostream& out, std::ostream& err, const std::string& dataFolder)
{
    const Level& level = levelOption(a);
    const Where where = workFolder(a, dataFolder, true);
    const std::string inputName = a.positional[0];
    const TextFile input = readTextFile(inputName);
    if (input.error)
        throw UsageError{cannotRead(inputName, input.error)};
    std::unique_ptr<LevelHold> held;
    if (!fine(err, hold(where, level, out, held)) || !levelReady(where.game, level, out, err))
        return kExitProblems;
    Sorted sorted = sortImport(input, puzzlesInFolder(where.game));
    const std::size_t refused = sorted.messages.size();
    if (!append(*held, where, sorted.accepted, err))
        return kExitProblems;
    for (const NewPuzzle& p : sorted.accepted)
        sorted.messages.emplace(sorted.lineOf[p.puzzle],
                                "añadido como " + guillemets(p.label) + " (qqwing lo califica " + rating(p.puzzle)
                                    + ")");
    for (const auto& [line, text] : sorted.messages)
        out << inputName << ':' << line << ": " << text << '\n';
    out << "Importados " << plural(sorted.accepted.size(), "sudoku", "sudokus") << " en " << libraryFile(level) << " y "
        << solutionFile(level) << "; " << plural(refused, "rechazado", "rechazados") << ".\n";
    return refused == 0 ? kExitOk : kExitProblems;
}

// The puzzles are made while the level is free, and added once it is held: another run that holds it meanwhile is
// waited for, so nothing made is lost to it.
int generate(const Arguments& a, std::ostream& out, std::ostream& err, const std::string& dataFolder)
{
    const Level& level = levelOption(a);
    if (!a.options.count("--cantidad"))
        throw UsageError{"falta --cantidad N"};
    const auto wanted = static_cast<std::size_t>(numberOption(a, "--cantidad", 1, 10000));
    const Where where = workFolder(a, dataFolder, true);
    // qqwing draws its numbers with rand().
    std::srand(a.options.count("--semilla") ? static_cast<unsigned>(numberOption(a, "--semilla", 0, 4294967295ul))
                                            : std::random_device{}());
    const std::optional<int> before = levelReady(where.game, level, out, err);
    if (!before)
        return kExitProblems;
    // A new game deals one of the first records: the first puzzles of a level still short of them are made for that.
    const std::size_t drawnSlots = *before < drawnRecords ? std::min<std::size_t>(drawnRecords - *before, wanted) : 0;
    Generated made = generatePuzzles(level, wanted, drawnSlots, puzzlesInFolder(where.game));
    std::unique_ptr<LevelHold> held;
    const bool ready = fine(err, hold(where, level, out, held)) && levelReady(where.game, level, out, err);
    const std::map<std::string, std::string> known = puzzlesInFolder(where.game);
    std::vector<NewPuzzle>& puzzles = made.puzzles;
    puzzles.erase(
        std::remove_if(puzzles.begin(), puzzles.end(), [&](const NewPuzzle& p) { return known.count(p.puzzle); }),
        puzzles.end());
    if (!ready || !append(*held, where, puzzles, err))
        return kExitProblems;
    for (const NewPuzzle& p : puzzles)
        out << "añadido " << guillemets(p.label) << " (" << made.notes[p.puzzle] << ")\n";
    out << "Generados " << plural(puzzles.size(), "sudoku", "sudokus") << " en " << libraryFile(level) << " y "
        << solutionFile(level) << ".\n";
    if (puzzles.size() < wanted)
        err << "cuadrix-biblioteca: solo se encontraron " << puzzles.size() << " de " << wanted
            << " sudokus de esa dificultad\n";
    return puzzles.size() < wanted ? kExitProblems : kExitOk;
}

// Every level asked for, or all three.
int renew(const Arguments& a, std::ostream& out, std::ostream& err, const std::string& dataFolder)
{
    const Where where = workFolder(a, dataFolder, true);
    int exit = kExitOk;
    for (const Level& level : levels()) {
        if (a.options.count("--dificultad") && &level != &levelOption(a))
            continue;
        std::unique_ptr<LevelHold> held;
        TextFile lib;
        std::string why = hold(where, level, out, held);
        why = !why.empty() ? why : readLibrary(*held, lib);
        if (why.empty() && labelIndices(lib.lines).size() <= drawnRecords)
            why = libraryFile(level) + " no tiene más sudokus que los que se reparten";
        Refreshed done;
        if (why.empty())
            why = rotate(*held, where.shipped, done);
        if (!fine(err, why)) {
            exit = kExitProblems;
            continue;
        }
        out << "Pasan al final de " << libraryFile(level) << ":";
        for (const std::string& label : done.dealt)
            out << ' ' << guillemets(label);
        out << ".\n";
    }
    return exit;
}

// The labels of the saved games, which stay in the libraries.
std::set<std::string> savedLabels(const Where& where)
{
    std::set<std::string> labels;
    for (const fs::path& saved : where.savedGames)
        if (const std::optional<std::string> label = LineReader(saved.string()).next())
            labels.insert(*label);
    return labels;
}

// Each level in turn, held while it is refreshed; what each step did is said on one line.
int refresh(const Arguments& a, std::ostream& out, std::ostream& err, const std::string& dataFolder)
{
    const Where where = workFolder(a, dataFolder, true);
    const std::set<std::string> kept = savedLabels(where);
    std::srand(std::random_device{}());  // qqwing's numbers: else every refresh would first make the same puzzles again
    int exit = kExitOk;
    for (const Level& level : levels()) {
        Refreshed done;
        std::unique_ptr<LevelHold> held;
        const std::string why = hold(where, level, out, held, &done);
        if (!fine(err, why.empty() ? refreshLevel(*held, where.shipped, kept, done) : why))
            exit = kExitProblems;
        out << "Refrescado " << libraryFile(level) << ": " << plural(done.dealt.size(), "sudoku", "sudokus")
            << " repartido" << (done.dealt.size() == 1 ? "" : "s") << " al final";
        for (const auto& [labels, what] :
             {std::pair{&done.copied, " del juego"}, {&done.made, " generados"}, {&done.removed, " quitados"}})
            if (!labels->empty())
                out << "; " << labels->size() << what;
        out << ".\n";
    }
    return exit;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const std::string& dataFolder)
{
    for (const std::string& a : args) {
        if (a == "-h" || a == "--ayuda" || a == "--help" || a == "--version") {
            out << (a == "--version" ? "cuadrix-biblioteca " + versionText() + "\n" : kUsage);
            return kExitOk;
        }
    }
    try {
        if (args.empty())
            throw UsageError{"falta la orden: comprobar, importar, generar, renovar o refrescar"};
        if (args[0] == "comprobar")
            return check(parse(args, {}, 0, "", 1), out, dataFolder);
        if (args[0] == "importar")
            return import(parse(args, {"--dificultad", "--carpeta"}, 1, "el FICHERO de sudokus que importar"), out, err,
                          dataFolder);
        if (args[0] == "generar")
            return generate(parse(args, {"--dificultad", "--cantidad", "--carpeta", "--semilla"}, 0, ""), out, err,
                            dataFolder);
        if (args[0] == "renovar")
            return renew(parse(args, {"--dificultad", "--carpeta"}, 0, ""), out, err, dataFolder);
        if (args[0] == "refrescar")
            return refresh(parse(args, {"--carpeta"}, 0, ""), out, err, dataFolder);
        throw UsageError{"orden desconocida: \"" + args[0] + "\""};
    } catch (const UsageError& e) {
        err << "cuadrix-biblioteca: " << e.what() << "\n\n" << kUsage;
        return kExitUsage;
    } catch (const Refusal& e) {
        err << "cuadrix-biblioteca: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "cuadrix-biblioteca: " << fileErrorText(ENOMEM) << '\n';
    } catch (const std::exception&) {
        err << "cuadrix-biblioteca: error interno inesperado\n";
    }
    return kExitProblems;
}

}  // namespace biblioteca
