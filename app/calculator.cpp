// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QtConcurrentMap>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include <glib.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavola {

namespace {

const QStringList wellKnownCalculators = {QStringLiteral("gnome-calculator"),
    QStringLiteral("kcalc"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
    QStringLiteral("galculator"), QStringLiteral("xcalc")};

// Real desktop entries take a few kilobytes: a larger file is skipped unread, so that a huge
// one costs neither time nor memory.
constexpr qint64 largestEntry = 1 << 20;

QStringList applicationFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

struct GLibFree {
    void operator()(GKeyFile *file) const { g_key_file_free(file); }
    void operator()(char *text) const { g_free(text); }
    void operator()(char **list) const { g_strfreev(list); }
};
template<typename T>
using GLibOwned = std::unique_ptr<T, GLibFree>;

QByteArray shellQuoted(const char *text)
{
    return GLibOwned<char>(g_shell_quote(text)).get();
}

// The command line as GIO makes it when no file is given: the codes for files and addresses
// go, the icon, the name and the entry's own path are filled in, quoted for the split.
QByteArray withFieldCodes(const char *exec, GKeyFile *entry, const QString &path)
{
    const auto text = [entry](const char *key) {
        return GLibOwned<char>(
            g_key_file_get_locale_string(entry, G_KEY_FILE_DESKTOP_GROUP, key, nullptr, nullptr));
    };
    QByteArray line;
    for (const char *c = exec; *c; ++c) {
        if (*c != '%' || !c[1]) {
            line += *c;
        } else if (*++c == '%') {
            line += '%';
        } else if (*c == 'c') {
            if (const GLibOwned<char> name = text(G_KEY_FILE_DESKTOP_KEY_NAME))
                line += shellQuoted(name.get());
        } else if (*c == 'k') {
            line += shellQuoted(QFile::encodeName(path).constData());
        } else if (*c == 'i') {
            if (const GLibOwned<char> icon = text(G_KEY_FILE_DESKTOP_KEY_ICON))
                line += "--icon " + shellQuoted(icon.get());
        }
    }
    return line;
}

// The entry's calculator, taken as GIO takes it: an application, not hidden, of the
// category Calculator, with TryExec and its program installed. Its command line is split as
// GIO splits it, and no shell ever sees it.
std::optional<Calculator> calculatorIn(
    const QByteArray &bytes, const QString &id, const QString &path)
{
    // Most entries are not calculators: those that never name the category go unparsed.
    if (!bytes.contains("Calculator"))
        return std::nullopt;
    const GLibOwned<GKeyFile> entry(g_key_file_new());
    if (!g_key_file_load_from_data(
            entry.get(), bytes.constData(), gsize(bytes.size()), G_KEY_FILE_NONE, nullptr))
        return std::nullopt;
    const auto text = [&entry](const char *key) {
        return GLibOwned<char>(
            g_key_file_get_string(entry.get(), G_KEY_FILE_DESKTOP_GROUP, key, nullptr));
    };
    const GLibOwned<char> type = text(G_KEY_FILE_DESKTOP_KEY_TYPE),
                          tryExec = text(G_KEY_FILE_DESKTOP_KEY_TRY_EXEC),
                          exec = text(G_KEY_FILE_DESKTOP_KEY_EXEC),
                          folder = text(G_KEY_FILE_DESKTOP_KEY_PATH);
    const GLibOwned<char *> categories(g_key_file_get_string_list(entry.get(),
        G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_CATEGORIES, nullptr, nullptr));
    if (!type || qstrcmp(type.get(), G_KEY_FILE_DESKTOP_TYPE_APPLICATION) != 0 || !exec
        || !categories || !g_strv_contains(categories.get(), "Calculator")
        || g_key_file_get_boolean(
            entry.get(), G_KEY_FILE_DESKTOP_GROUP, G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr)
        || (tryExec && QStandardPaths::findExecutable(QFile::decodeName(tryExec.get())).isEmpty()))
        return std::nullopt;
    int count = 0;
    char **words = nullptr;
    if (!g_shell_parse_argv(
            withFieldCodes(exec.get(), entry.get(), path).constData(), &count, &words, nullptr))
        return std::nullopt;
    const GLibOwned<char *> argv(words);
    const QString program = QStandardPaths::findExecutable(QFile::decodeName(argv.get()[0]));
    if (program.isEmpty())
        return std::nullopt;
    QStringList arguments;
    for (int i = 1; i < count; ++i)
        arguments << QFile::decodeName(argv.get()[i]);
    return Calculator(id, program, arguments, folder ? QFile::decodeName(folder.get()) : QString());
}

// The bytes of an entry, or nothing for a file that is no longer a regular file of an entry's
// size: opened without blocking, should a FIFO have taken its place since it was listed. A
// real entry is read whole at the first glance, and the file asked nothing else: its
// size is asked only of a file that fills the glance.
std::optional<QByteArray> entryBytes(const QString &path)
{
    constexpr qsizetype glance = 64 * 1024;
    thread_local std::array<char, glance> first;
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    const qsizetype read = std::max<qsizetype>(::read(file, first.data(), glance), 0);
    std::optional<QByteArray> bytes(std::in_place, first.data(), read);
    struct stat status;
    if (read == glance) {
        if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)
            && status.st_size <= largestEntry) {
            bytes->resize(std::max<qsizetype>(glance, status.st_size));
            const ssize_t rest = ::read(file, bytes->data() + glance, bytes->size() - glance);
            bytes->truncate(glance + std::max<qsizetype>(rest, 0));
        } else {
            bytes.reset();
        }
    }
    ::close(file);
    return bytes;
}

// An entry of the user's hides one of the same id in the system's folders, hidden or not.
// Only regular files are listed, so that no FIFO or device blocks the reading, and Qt's
// listing visits each folder once however links loop; GIO's own walk would follow them for
// good.
std::vector<Calculator> desktopCalculators(const SearchDecision &decision)
{
    std::vector<Calculator> calculators;
    QSet<QString> seen;
    for (QString root : applicationFolders()) {
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        QList<std::pair<QString, QString>> entries; // id, path
        QDirIterator listing(root, {QStringLiteral("*.desktop")}, QDir::Files,
            QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (listing.hasNext() && !decision.taken()) {
            QString path = listing.next();
            if (listing.fileInfo().isFile())
                entries.emplace_back(
                    path.mid(root.size()).replace(QLatin1Char('/'), QLatin1Char('-')), path);
        }
        std::sort(entries.begin(), entries.end());
        entries.removeIf([&seen](const std::pair<QString, QString> &entry) {
            if (seen.contains(entry.first))
                return true;
            seen.insert(entry.first);
            return false;
        });
        // Opening the files is what costs: they are opened on every core, and the calculators
        // kept in the order of their ids.
        const std::vector<Calculator> found = QtConcurrent::blockingMappedReduced(
            entries,
            [&decision](const std::pair<QString, QString> &entry) {
                const std::optional<QByteArray> bytes =
                    decision.taken() ? std::nullopt : entryBytes(entry.second);
                return bytes ? calculatorIn(*bytes, entry.first, entry.second) : std::nullopt;
            },
            [](std::vector<Calculator> &kept, const std::optional<Calculator> &calculator) {
                if (calculator)
                    kept.push_back(*calculator);
            },
            QtConcurrent::OrderedReduce);
        if (decision.taken())
            return {};
        calculators.insert(calculators.end(), found.begin(), found.end());
    }
    return calculators;
}

// Started by its path as it stands: a command line would expand a field code such as %f
// in a folder's name.
std::optional<Calculator> programOnPath(const QString &program)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    return Calculator(path, path);
}

// What went wrong, where the game looked and what to do, shown and in words: a reader would
// spell out folders, dashes and bullets.
WindowError notStarted(const QString &shownWhy, const QString &spokenWhy, const QString &advice)
{
    QStringList shown{QStringLiteral("Non riesco ad aprire una calcolatrice.")};
    if (!shownWhy.isEmpty())
        shown << shownWhy;
    shown << QString() << QStringLiteral("Ho cercato:")
          << QStringLiteral("• le applicazioni della categoria Calculator in %1")
                 .arg(applicationFolders().join(QStringLiteral(", ")))
          << QStringLiteral("• i programmi %1").arg(wellKnownCalculators.join(QStringLiteral(", ")))
          << QString() << advice;
    QStringList programs = wellKnownCalculators;
    programs.replaceInStrings(QStringLiteral("-"), QStringLiteral(" "));
    const QString last = programs.takeLast();
    const QString spoken = QStringLiteral("Non riesco ad aprire una calcolatrice. %1Ho cercato le "
                                          "applicazioni della categoria calcolatrice e i "
                                          "programmi %2 e %3. %4")
                               .arg(spokenWhy.isEmpty() ? QString() : spokenWhy + QLatin1Char(' '),
                                   programs.join(QStringLiteral(", ")), last, advice);
    return WindowError(shown.join(QLatin1Char('\n')).toStdString(), spoken.toStdString());
}

} // namespace

Calculator::Calculator(
    const QString &id, const QString &program, const QStringList &arguments, const QString &folder)
    : m_id(id)
    , m_program(program)
    , m_arguments(arguments)
    , m_folder(folder)
{
}

// Qt reports an exec that failed in the child, where GIO's launcher would already have
// counted a start.
bool Calculator::launch(QString &error) const
{
    QProcess program;
    program.setProgram(m_program);
    program.setArguments(m_arguments);
    program.setWorkingDirectory(m_folder);
    if (program.startDetached())
        return true;
    error = program.errorString();
    return false;
}

std::vector<Calculator> installedCalculators(const SearchDecision &decision)
{
    std::vector<Calculator> found = desktopCalculators(decision);
    for (const QString &program : wellKnownCalculators) {
        if (std::optional<Calculator> calculator = programOnPath(program))
            found.push_back(std::move(*calculator));
    }
    return found;
}

void startCalculator(const StartCalculator &start, SearchDecision &decision)
{
    const std::vector<Calculator> calculators = installedCalculators(decision);
    if (!decision.take())
        return;
    QStringList refused;
    for (const Calculator &calculator : calculators) {
        QString error;
        if (start(calculator, error))
            return;
        refused << QStringLiteral("%1 (%2)").arg(calculator.id(), error);
    }
    const QString advice = QStringLiteral("Chiedi all'insegnante di installarne una.");
    if (refused.isEmpty())
        throw notStarted({}, {}, advice);
    throw notStarted(
        QStringLiteral("Non si sono avviati: %1.").arg(refused.join(QStringLiteral(", "))),
        QStringLiteral("Quelle che ho trovato non si sono avviate."), advice);
}

WindowError calculatorSearchTooSlow()
{
    const QString why =
        QStringLiteral("La ricerca nelle cartelle delle applicazioni è durata troppo.");
    return notStarted(why, why, QStringLiteral("Chiedi aiuto all'insegnante."));
}

} // namespace tavola
