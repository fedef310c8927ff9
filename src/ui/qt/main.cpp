// velkarin: the equipment viewer's desktop window.
//   velkarin [FILE] [--skill-names FILE] [--screenshot PNG]
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <iostream>
#include <optional>
#include <string>

#include "addon/skill_names.h"
#include "app/application.h"
#include "qt_text.h"
#include "qt_window.h"

namespace {

constexpr int kUsage = 64;
constexpr int kCannotWrite = 1;

struct Options {
  std::optional<QString> file;
  std::optional<QString> screenshot;
  std::optional<QString> skillNames;
};

std::string LocalName(const QString& name) { return QFile::encodeName(name).toStdString(); }

// Parses the command line; on bad usage says why on stderr and gives nothing.
std::optional<Options> ParseOptions(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The equipment items of a game's element data file, in a window."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("element data file to open"),
                               QStringLiteral("[FILE]"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("save the window after start-up (and after opening FILE) as PNG, then exit"),
      QStringLiteral("PNG"));
  const QCommandLineOption skillNames(
      QStringLiteral("skill-names"),
      QStringLiteral("read the skill names from FILE (UTF-8, one name a line)"),
      QStringLiteral("FILE"));
  parser.addOptions({screenshot, skillNames});
  if (!parser.parse(app.arguments())) {
    std::cerr << "velkarin: " << parser.errorText().toStdString() << " (see velkarin --help)\n";
    return std::nullopt;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::cerr << "velkarin: at most one FILE (see velkarin --help)\n";
    return std::nullopt;
  }
  Options options;
  if (!files.isEmpty()) options.file = files.first();
  if (parser.isSet(screenshot)) options.screenshot = parser.value(screenshot);
  if (parser.isSet(skillNames)) options.skillNames = parser.value(skillNames);
  return options;
}

// Loads the skill-name table; on refusal says why (and shows it too when
// someone is there to read it) and returns false.
bool LoadSkillNames(const QString& path, bool interactive) {
  std::optional<std::string> refusal = velkarin::addon::LoadSkillNames(LocalName(path));
  if (!refusal) return true;
  const QString reason = velkarin::ui::ToQString(*refusal);
  std::cerr << "velkarin: " << LocalName(path)
            << ": skill names refused: " << reason.toStdString() << '\n';
  if (interactive) {
    QMessageBox::critical(nullptr, QStringLiteral("Velkarin"),
                          QStringLiteral(u"技能名称文件无法使用：%1\n%2").arg(path, reason));
  }
  return false;
}

bool SaveScreenshot(velkarin::ui::QtWindow& window, const QString& png) {
  QApplication::processEvents();
  if (window.grab().save(png, "PNG")) return true;
  std::cerr << "velkarin: cannot write " << LocalName(png) << '\n';
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("velkarin"));
  QApplication::setApplicationVersion(QStringLiteral(VELKARIN_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.velkarin.Velkarin"));

  std::optional<Options> options = ParseOptions(app);
  if (!options) return kUsage;
  const bool interactive = !options->screenshot;
  if (options->skillNames && !LoadSkillNames(*options->skillNames, interactive)) return kUsage;

  velkarin::ui::QtWindow window;
  velkarin::app::Application application(window);
  window.Bind(application);
  window.SetMessagesToStderr(!interactive);
  QObject::connect(&window, &velkarin::ui::QtWindow::programEnded, &app, &QApplication::exit,
                   Qt::QueuedConnection);

  window.Start();
  if (options->file) window.OpenFile(LocalName(*options->file));
  if (std::optional<int> status = window.EndStatus()) return *status;
  if (options->screenshot) return SaveScreenshot(window, *options->screenshot) ? 0 : kCannotWrite;
  return QApplication::exec();
}
