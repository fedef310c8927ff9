// The desktop window driven through its real widgets: places and texts of the
// controls, the event flow from clicks and typing to the application, the
// panels' formats, and the program's screenshot and refusal paths.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>
#include <memory>

#include "app/application.h"
#include "app/panel.h"
#include "fixtures.h"
#include "ui/qt/flat_style.h"
#include "ui/qt/qt_window.h"

using namespace velkarin;
using velkarin::testing::G;

namespace {

// Forwards every event to the application and notes it, so a test sees which
// events the widgets raised, and in which order.
class RecordingEvents final : public ui::Events {
 public:
  explicit RecordingEvents(app::Application& app) : app_(app) {}
  QStringList log;

  void OnWindowCreated() override {
    Note("created");
    app_.OnWindowCreated();
  }
  void OnOpenFile() override {
    Note("open");
    app_.OnOpenFile();
  }
  void OnAbout() override {
    Note("about");
    app_.OnAbout();
  }
  void OnSearch() override {
    Note("search");
    app_.OnSearch();
  }
  void OnRowChanged() override {
    Note("row");
    app_.OnRowChanged();
  }
  void OnRefineChanged() override {
    Note("refine");
    app_.OnRefineChanged();
  }
  void OnRefineSpin(int button) override {
    Note(button > 0 ? "spin+" : "spin-");
    app_.OnRefineSpin(button);
  }

 private:
  void Note(const char* event) { log << QString::fromLatin1(event); }
  app::Application& app_;
};

sample::EquipSpec Item(std::int32_t id, const char* name) {
  sample::EquipSpec fields;
  fields.id = id;
  fields.name = name;
  return fields;
}

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// When the next modal dialog comes up, hands it to `act`, which closes it; a
// dialog that `act` left open is cancelled, so a failing test cannot hang.
void WhenModalShows(std::function<void(QDialog*)> act) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      timer->deleteLater();
      timer->stop();
      act(modal);
      if (modal->isVisible()) modal->reject();
    }
  });
  timer->start(10);
}

QStringList PanelLines(const QTextEdit* panel) {
  QStringList lines = panel->toPlainText().split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// The character format of the first character of a panel's line.
QTextCharFormat LineFormat(const QTextEdit* panel, int line) {
  QTextCursor cursor(panel->document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::NextCharacter);
  return cursor.charFormat();
}

}  // namespace

class QtWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<ui::QtWindow> window_;
  std::unique_ptr<app::Application> app_;
  std::unique_ptr<RecordingEvents> events_;

  template <typename T>
  T* Child(const char* name) const {
    T* child = window_->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no control %s", name);
    return child;
  }
  QTreeView* List() const { return Child<QTreeView>("itemList"); }
  QTextEdit* EquipPanel() const { return Child<QTextEdit>("equipPanel"); }

  // Three items, the first one named by the equipment list's marker.
  QString WriteThreeItems() {
    return Write("three.data",
                 testing::FileWithEquips({Item(101, "菜鸟布衣(男)"), Item(102, "铁剑"), Item(-5, "布鞋")}));
  }
  QString Write(const char* name, const sample::FileBuilder& file) {
    QString path = dir_.filePath(QString::fromLatin1(name));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) qFatal("cannot write %s", name);
    out.write(file.Data().data(), static_cast<qint64>(file.Data().size()));
    return path;
  }
  void Open(const QString& path) { window_->OpenFile(QFile::encodeName(path).toStdString()); }
  void ClickRow(int row) {
    QTreeView* list = List();
    QRect rect = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<ui::QtWindow>();
    app_ = std::make_unique<app::Application>(*window_);
    events_ = std::make_unique<RecordingEvents>(*app_);
    window_->Bind(*events_);
    window_->Start();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    events_.reset();
    app_.reset();
  }

  void windowHasCaptionPlaceAndSize() {
    QCOMPARE(window_->windowTitle(), Q("Velkarin"));
    QCOMPARE(window_->frameGeometry(), QRect(50, 50, 640, 480));
    QCOMPARE(events_->log, QStringList{"created"});
  }

  void controlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("list") << "itemList" << QRect(8, 9, 200, 391);
    QTest::newRow("tabs") << "tabs" << QRect(216, 9, 408, 391);
    QTest::newRow("search box") << "searchBox" << QRect(7, 404, 200, 20);
    QTest::newRow("search button") << "searchButton" << QRect(218, 404, 56, 20);
    QTest::newRow("label") << "refineLabel" << QRect(428, 406, 88, 16);
    QTest::newRow("refine box") << "refineBox" << QRect(491, 405, 134, 19);
    QTest::newRow("spinner") << "spinner" << QRect(608, 407, 16, 16);
  }
  void controlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), window_->centralWidget());
    QCOMPARE(control->geometry(), place);
    // The client area starts below the menu bar.
    QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
  }

  void panelsLieInTheTabControl_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    QTest::newRow("equip") << "equipPanel" << 0 << Q("装备属性");
    QTest::newRow("wash") << "washPanel" << 1 << Q("可洗属性");
    QTest::newRow("set") << "setPanel" << 2 << Q("套装属性");
  }
  void panelsLieInTheTabControl() {
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(QString, caption);
    auto* tabs = Child<QTabWidget>("tabs");
    auto* panel = window_->findChild<QTextEdit*>(name);
    QVERIFY(panel);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(page), caption);
    QCOMPARE(panel->parentWidget(), tabs);
    QCOMPARE(panel->geometry(), QRect(8, 32, 392, 351));
    QVERIFY(!panel->acceptRichText());
    QVERIFY(!panel->isReadOnly());
    QCOMPARE(panel->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(panel->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(panel->palette().color(QPalette::Base), QColor(0, 128, 0));
    QVERIFY(panel->toPlainText().isEmpty());
    tabs->setCurrentIndex(page);
    QVERIFY(panel->isVisible());
    QCOMPARE(tabs->childAt(panel->geometry().center()), panel->viewport());
  }

  void textsOfTheControls() {
    QCOMPARE(Child<QPushButton>("searchButton")->text(), Q("搜索"));
    QCOMPARE(Child<QLabel>("refineLabel")->text(), Q("精炼等级："));
    QCOMPARE(Child<QLineEdit>("refineBox")->text(), Q("0"));
    QVERIFY(Child<QLineEdit>("searchBox")->text().isEmpty());
    QStringList menus;
    for (QAction* menu : window_->menuBar()->actions()) {
      menus << menu->text();
      for (QAction* item : menu->menu()->actions()) menus << item->text();
    }
    QCOMPARE(menus, (QStringList{Q("打开"), Q("打开文件"), Q("说明"), Q("软件说明")}));
    QCOMPARE(Child<QAction>("openFileAction")->shortcut(), QKeySequence(QKeySequence::Open));
    const QFont caption = Child<QTabWidget>("tabs")->tabBar()->font();
    QCOMPARE(caption.family(), Q("SimSun"));
    QCOMPARE(caption.pixelSize(), 12);
  }

  void listIsAYellowOnBlackReport() {
    QTreeView* list = List();
    QCOMPARE(list->model()->columnCount(), 2);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), Q("序号"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), Q("装备名字"));
    QVERIFY(!list->isHeaderHidden());
    QCOMPARE(list->columnWidth(0), 45);
    QCOMPARE(list->columnWidth(1), 135);
    QVERIFY(list->uniformRowHeights());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    const QPalette palette = list->palette();
    QCOMPARE(palette.color(QPalette::Text), QColor(255, 255, 0));
    QCOMPARE(palette.color(QPalette::Base), QColor(0, 0, 0));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
             palette.color(QPalette::Active, QPalette::Highlight));
  }

  void chineseFacesResolveToAFontWithTheGlyphs_data() {
    QTest::addColumn<QString>("face");
    QTest::newRow("panel") << Q("方正粗圆_GBK");
    QTest::newRow("initial") << Q("宋体");
    QTest::newRow("tabs") << Q("SimSun");
  }
  void chineseFacesResolveToAFontWithTheGlyphs() {
    QFETCH(QString, face);
    QFontMetrics metrics{QFont(face)};
    for (QChar c : Q("装备属性精炼等级")) QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
  }

  void flatLookIsSwitchedOnWhenCreated() {
    auto* style = qobject_cast<ui::FlatStyle*>(QApplication::style());
    QVERIFY(style);
    QCOMPARE(style->Frame(), QColor(123, 158, 189));
    QCOMPARE(style->baseStyle()->name(), Q("fusion"));
  }

  void openingByArgumentListsAndShowsTheFirstRow() {
    Open(WriteThreeItems());
    QCOMPARE(events_->log, (QStringList{"created", "open", "row"}));
    QCOMPARE(List()->model()->rowCount(), 3);
    QCOMPARE(window_->ListCell(2, 0), std::string("-5"));
    QCOMPARE(window_->ListCell(1, 1), G("铁剑"));
    QCOMPARE(List()->model()->index(2, 1).data().toString(), Q("布鞋"));
    QCOMPARE(window_->ListCurrentRow(), 0);
    QCOMPARE(List()->currentIndex().row(), 0);
    QVERIFY(EquipPanel()->toPlainText().contains(Q("菜鸟布衣(男)")));
  }

  void droppedFileOpensLikeAnArgument() {
    auto mime = std::make_unique<QMimeData>();
    mime->setUrls({QUrl::fromLocalFile(WriteThreeItems())});
    const QPoint at = window_->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    QCOMPARE(List()->model()->rowCount(), 3);
  }

  void clickAndKeysChangeTheRow() {
    Open(WriteThreeItems());
    events_->log.clear();
    ClickRow(2);
    QCOMPARE(events_->log, QStringList{"row"});
    QCOMPARE(app_->State().selectedRow, 2);
    QVERIFY(EquipPanel()->toPlainText().contains(Q("布鞋")));
    ClickRow(2);  // the current row stays: no event
    QCOMPARE(events_->log, QStringList{"row"});
    QTest::keyClick(List(), Qt::Key_Up);
    QCOMPARE(events_->log, (QStringList{"row", "row"}));
    QCOMPARE(app_->State().selectedRow, 1);
    QVERIFY(EquipPanel()->toPlainText().contains(Q("铁剑")));
  }

  void settingTheCurrentRowRaisesTheEventInsideTheCall() {
    Open(WriteThreeItems());
    events_->log.clear();
    window_->ListSetCurrentRow(1);
    QCOMPARE(events_->log, QStringList{"row"});
    QCOMPARE(app_->State().selectedRow, 1);
    window_->ListSetCurrentRow(1);
    window_->ListSetCurrentRow(7);
    QCOMPARE(events_->log, QStringList{"row"});
  }

  void typingTheRefineTextRerendersTheEquipPanel() {
    Open(WriteThreeItems());
    events_->log.clear();
    auto* refine = Child<QLineEdit>("refineBox");
    refine->selectAll();
    QTest::keyClicks(refine, "12");
    QCOMPARE(events_->log, (QStringList{"refine", "refine"}));
    QCOMPARE(window_->EditText(ui::EditBox::Refine), std::string("12"));
    QVERIFY(EquipPanel()->toPlainText().contains(Q("菜鸟布衣(男)")));
    window_->SetEditText(ui::EditBox::Refine, "12");  // the same text raises it too
    QCOMPARE(events_->log.size(), 3);
  }

  void spinnerStepsTheRefineText() {
    auto* up = Child<QToolButton>("spinUp");
    auto* down = Child<QToolButton>("spinDown");
    events_->log.clear();
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>("refineBox")->text(), Q("2"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>("refineBox")->text(), Q("1"));
    QCOMPARE(events_->log, (QStringList{"spin+", "refine", "spin+", "refine", "spin-", "refine"}));
    // It sits over the right end of the refine box, drawn above it.
    const QPoint overlap = Child<QWidget>("spinner")->geometry().center();
    QCOMPARE(window_->centralWidget()->childAt(overlap)->parentWidget(), Child<QWidget>("spinner"));
  }

  void searchByButtonAndEnterWalksTheMatches() {
    Open(WriteThreeItems());
    // A character beyond ASCII, typed as a key that carries its text.
    QTest::sendKeyEvent(QTest::Click, Child<QLineEdit>("searchBox"), Qt::Key_unknown, Q("布"),
                        Qt::NoModifier);
    QCOMPARE(window_->EditText(ui::EditBox::Search), G("布"));
    QTest::mouseClick(Child<QPushButton>("searchButton"), Qt::LeftButton);
    QCOMPARE(window_->ListCurrentRow(), 0);
    QTest::keyClick(Child<QLineEdit>("searchBox"), Qt::Key_Return);
    QCOMPARE(window_->ListCurrentRow(), 2);
    QCOMPARE(app_->State().selectedRow, 2);
    QTest::mouseClick(Child<QPushButton>("searchButton"), Qt::LeftButton);
    QCOMPARE(window_->ListCurrentRow(), 0);
  }

  void aboutShowsAModalMessage() {
    QString title, text;
    WhenModalShows([&](QDialog* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    Child<QAction>("aboutAction")->trigger();
    QCOMPARE(title, Q("软件说明"));
    QVERIFY(text.contains(Q("Velkarin")));
  }

  void openDialogAcceptsATypedMissingFileAndCancelKeepsTheName() {
    const QString missing = dir_.filePath(QStringLiteral("missing.data"));
    WhenModalShows([&](QDialog* modal) {
      // The name is typed, as a user would: no such file exists.
      auto* typed = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(qobject_cast<QFileDialog*>(modal) && typed);
      typed->setText(missing);
      modal->accept();
    });
    Child<QAction>("openFileAction")->trigger();
    QCOMPARE(window_->OpenDialogFileName(), QFile::encodeName(missing).toStdString());
    WhenModalShows([](QDialog* modal) { modal->reject(); });
    Child<QAction>("openFileAction")->trigger();
    QCOMPARE(window_->OpenDialogFileName(), QFile::encodeName(missing).toStdString());
    QCOMPARE(List()->model()->rowCount(), 0);
  }

  void wrongVersionShowsTheMessageThenEndsWithZero() {
    sample::FileBuilder file;
    file.List(sample::kAddonRecordSize, {});
    file.List(400, {sample::Record(400).Int32(0, 1).Name(12, "菜鸟布衣(男)")});
    QString title, text;
    WhenModalShows([&](QDialog* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      title = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    QSignalSpy ended(window_.get(), &ui::QtWindow::programEnded);
    Open(Write("wrong.data", file));
    QCOMPARE(title, Q("错误"));
    QCOMPARE(text, Q("游戏版本错误，无法读取"));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().first().toInt(), 0);
    QCOMPARE(window_->EndStatus(), std::optional<int>(0));
    QCOMPARE(List()->model()->rowCount(), 0);
  }

  void panelLinesKeepTheirColourSizeAndMarkup() {
    app::TextStyle style = app::InitialTextStyle();
    window_->PanelSetText(ui::Panel::Wash, {});
    const std::vector<std::pair<ui::ColourValue, std::string>> lines = {
        {255, "<b>A</b>"}, {app::colour::kBlue, ""}, {app::kAutoColour, "<img src=x>"},
        {app::colour::kGreen, G("套装")}};
    for (const auto& [colour, text] : lines) {
      app::AppendPanelLine(*window_, style, ui::Panel::Wash, colour, text);
    }
    const QTextEdit* panel = Child<QTextEdit>("washPanel");
    QCOMPARE(PanelLines(panel), (QStringList{" <b>A</b>", " ", " <img src=x>", Q(" 套装")}));
    QCOMPARE(panel->textCursor().position(), panel->document()->characterCount() - 1);
    const std::array<QColor, 4> colours = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(),
                                           QColor(0, 255, 0)};
    for (int line = 0; line < 4; ++line) {
      const QTextCharFormat format = LineFormat(panel, line);
      QCOMPARE(format.fontPointSize(), 8.0);
      QCOMPARE(format.fontFamilies().toStringList(), QStringList{Q("方正粗圆_GBK")});
      const QColor expected = colours[static_cast<size_t>(line)];
      QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), expected.isValid());
      if (expected.isValid()) QCOMPARE(format.foreground().color(), expected);
    }
    window_->PanelSetText(ui::Panel::Wash, {});
    QVERIFY(panel->toPlainText().isEmpty());
    QCOMPARE(panel->textCursor().position(), 0);
  }

  void screenshotShowsTheWindowOnTheFile() {
    const QString png = dir_.filePath(QStringLiteral("shot.png"));
    QProcess velkarin;
    velkarin.start(QStringLiteral(VELKARIN_BINARY), {WriteThreeItems(), "--screenshot", png});
    QVERIFY(velkarin.waitForFinished(60000));
    QCOMPARE(velkarin.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velkarin.exitCode(), 0);
    const QImage shot(png);
    QCOMPARE(shot.size(), window_->size());  // the window without its frame
    const int client = window_->menuBar()->height();
    QCOMPARE(shot.pixelColor(216 + 8 + 200, client + 9 + 32 + 300), QColor(0, 128, 0));
    QCOMPARE(shot.pixelColor(8 + 150, client + 9 + 300), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(8, client + 9 + 200), QColor(123, 158, 189));
  }

  // Runs that end before the event loop: nothing is left to screenshot.
  void programEndsEarlyWithItsStatus_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("wrongVersionFile");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrHolds");
    QTest::newRow("refused skill names") << "--skill-names=" + dir_.filePath("none.txt") << false
                                         << 64 << "none.txt";
    QTest::newRow("wrong version") << QString() << true << 0 << Q("游戏版本错误，无法读取");
    QTest::newRow("unknown option") << "--bogus" << false << 64 << "bogus";
  }
  void programEndsEarlyWithItsStatus() {
    QFETCH(QString, option);
    QFETCH(bool, wrongVersionFile);
    QFETCH(int, status);
    QFETCH(QString, stderrHolds);
    sample::FileBuilder wrong;
    wrong.List(sample::kAddonRecordSize, {});
    wrong.List(400, {sample::Record(400).Int32(0, 1).Name(12, "菜鸟布衣(男)")});
    const QString png = dir_.filePath(QStringLiteral("early.png"));
    QStringList arguments = {wrongVersionFile ? Write("wrong.data", wrong) : WriteThreeItems(),
                             "--screenshot", png};
    if (!option.isEmpty()) arguments << option;
    QProcess velkarin;
    velkarin.start(QStringLiteral(VELKARIN_BINARY), arguments);
    QVERIFY(velkarin.waitForFinished(60000));
    QCOMPARE(velkarin.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velkarin.exitCode(), status);
    QVERIFY(QString::fromUtf8(velkarin.readAllStandardError()).contains(stderrHolds));
    QVERIFY(!QFile::exists(png));
  }
};

QTEST_MAIN(QtWindowTest)
#include "qt_window_test.moc"
