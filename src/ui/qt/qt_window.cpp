#include "qt_window.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>
#include <iostream>
#include <tuple>

#include "data/file.h"
#include "flat_style.h"
#include "item_list.h"
#include "qt_text.h"

namespace velkarin::ui {
namespace {

// Places and sizes in the client area below the menu bar; the panels' place
// is inside the tab control.
constexpr QRect kItemListPlace{8, 9, 200, 391};
constexpr QRect kTabsPlace{216, 9, 408, 391};
constexpr QRect kPanelPlace{8, 32, 392, 351};
constexpr QRect kSearchBoxPlace{7, 404, 200, 20};
constexpr QRect kSearchButtonPlace{218, 404, 56, 20};
constexpr QRect kRefineLabelPlace{428, 406, 88, 16};
constexpr QRect kRefineBoxPlace{491, 405, 134, 19};
constexpr QRect kSpinnerPlace{608, 407, 16, 16};

constexpr std::array<int, ItemListModel::kColumns> kColumnWidths = {45, 135};
constexpr int kTabCaptionPixels = 12;
constexpr int kTwipsPerPoint = 20;
constexpr double kPercent = 100.0;

const QColor kListText(255, 255, 0);
const QColor kListBackground(0, 0, 0);
const QColor kPanelBackground(0, 128, 0);

struct PanelPage {
  Panel panel;
  const char16_t* caption;
  const char* objectName;
};
constexpr std::array<PanelPage, kPanelCount> kPanelPages = {{
    {Panel::Equip, u"装备属性", "equipPanel"},
    {Panel::Wash, u"可洗属性", "washPanel"},
    {Panel::Set, u"套装属性", "setPanel"},
}};

// The faces the panels and tabs ask for are rarely installed outside their
// home system; Qt's substitution maps them to a CJK face that is, so Chinese
// never comes out as empty boxes.
void InstallFontSubstitutes() {
  static const QStringList cjkFaces = {
      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
      QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
      QStringLiteral("Droid Sans Fallback"), QStringLiteral("AR PL UMing CN")};
  for (const char16_t* face : {u"方正粗圆_GBK", u"宋体", u"SimSun"}) {
    QFont::insertSubstitutions(QString::fromUtf16(face), cjkFaces);
  }
}

// A ColourValue holds red in its low byte; the byte above blue is ignored.
QColor ToQColor(ColourValue value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The character format of a panel. The protected effect (16) has no Qt
// counterpart: the panels are editable text either way.
QTextCharFormat ToCharFormat(const CharFormat& format) {
  enum Effect { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };
  QTextCharFormat result;
  result.setFontFamilies({ToQString(format.faceName)});
  if (format.heightTwips > 0) {
    result.setFontPointSize(static_cast<double>(format.heightTwips) / kTwipsPerPoint);
    result.setBaselineOffset(kPercent * format.offsetTwips / format.heightTwips);
  }
  result.setFontWeight((format.effects & kBold) ? QFont::Bold : QFont::Normal);
  result.setFontItalic((format.effects & kItalic) != 0);
  result.setFontUnderline((format.effects & kUnderline) != 0);
  result.setFontStrikeOut((format.effects & kStrikeOut) != 0);
  if (format.colour == kAutoColour) {
    result.clearForeground();  // the panel's palette text colour
  } else {
    result.setForeground(ToQColor(format.colour));
  }
  return result;
}

std::string LocalFileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

QtWindow::QtWindow(QWidget* parent) : QMainWindow(parent) {
  InstallFontSubstitutes();
  setWindowTitle(QStringLiteral("Velkarin"));
  setWindowIcon(QIcon::fromTheme(QStringLiteral("org.velkarin.Velkarin")));
  setAcceptDrops(true);
  auto* client = new QWidget(this);
  setCentralWidget(client);
  BuildMenus();
  BuildItemList(client);
  BuildPanels(client);
  BuildEditControls(client);
  move(kOuterPlace);
  resize(kOuterSize);
}

QtWindow::~QtWindow() = default;

void QtWindow::BuildMenus() {
  QMenu* open = menuBar()->addMenu(QStringLiteral(u"打开"));
  QAction* openFile = open->addAction(QStringLiteral(u"打开文件"));
  openFile->setObjectName(QStringLiteral("openFileAction"));
  openFile->setShortcut(QKeySequence::Open);
  connect(openFile, &QAction::triggered, this, [this] {
    if (events_) events_->OnOpenFile();
  });
  QMenu* help = menuBar()->addMenu(QStringLiteral(u"说明"));
  QAction* about = help->addAction(QStringLiteral(u"软件说明"));
  about->setObjectName(QStringLiteral("aboutAction"));
  connect(about, &QAction::triggered, this, [this] {
    if (events_) events_->OnAbout();
  });
}

void QtWindow::BuildItemList(QWidget* client) {
  model_ = new ItemListModel(this);
  list_ = new ItemListView(client);
  list_->setObjectName(QStringLiteral("itemList"));
  list_->setGeometry(kItemListPlace);
  list_->setModel(model_);
  list_->setRootIsDecorated(false);
  list_->setItemsExpandable(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setTextElideMode(Qt::ElideNone);
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionsMovable(false);
  for (int column = 0; column < ItemListModel::kColumns; ++column) {
    list_->setColumnWidth(column, kColumnWidths[static_cast<size_t>(column)]);
  }
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, kListBackground);
  palette.setColor(QPalette::Text, kListText);
  // The selection stays as visible when the list has lost the focus.
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  list_->setPalette(palette);
  connect(list_, &ItemListView::currentRowChanged, this, [this] {
    if (events_) events_->OnRowChanged();
  });
}

// The pages of the tab control stay empty: the three panels lie on the tab
// control itself at their fixed place, and turning a page shows its panel.
void QtWindow::BuildPanels(QWidget* client) {
  tabs_ = new QTabWidget(client);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setGeometry(kTabsPlace);
  QFont captionFont(QStringLiteral("SimSun"));
  captionFont.setPixelSize(kTabCaptionPixels);
  tabs_->tabBar()->setFont(captionFont);
  for (const PanelPage& page : kPanelPages) {
    tabs_->addTab(new QWidget(), QString::fromUtf16(page.caption));
    auto* edit = new QTextEdit(tabs_);
    edit->setObjectName(QString::fromLatin1(page.objectName));
    edit->setGeometry(kPanelPlace);
    edit->setAcceptRichText(false);
    edit->setAcceptDrops(false);
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, kPanelBackground);
    edit->setPalette(palette);
    panels_[static_cast<size_t>(page.panel)] = edit;
  }
  connect(tabs_, &QTabWidget::currentChanged, this, &QtWindow::ShowPanelPage);
  ShowPanelPage(tabs_->currentIndex());
}

void QtWindow::ShowPanelPage(int page) {
  for (size_t i = 0; i < panels_.size(); ++i) {
    panels_[i]->setVisible(static_cast<int>(i) == page);
  }
  if (page >= 0 && page < kPanelCount) panels_[static_cast<size_t>(page)]->raise();
}

void QtWindow::BuildEditControls(QWidget* client) {
  searchBox_ = new QLineEdit(client);
  searchBox_->setObjectName(QStringLiteral("searchBox"));
  searchBox_->setGeometry(kSearchBoxPlace);
  searchBox_->setAcceptDrops(false);

  auto* searchButton = new QPushButton(QStringLiteral(u"搜索"), client);
  searchButton->setObjectName(QStringLiteral("searchButton"));
  searchButton->setGeometry(kSearchButtonPlace);
  auto search = [this] {
    if (events_) events_->OnSearch();
  };
  connect(searchButton, &QPushButton::clicked, this, search);
  connect(searchBox_, &QLineEdit::returnPressed, this, search);

  auto* label = new QLabel(QStringLiteral(u"精炼等级："), client);
  label->setObjectName(QStringLiteral("refineLabel"));
  label->setGeometry(kRefineLabelPlace);

  refineBox_ = new QLineEdit(QStringLiteral("0"), client);
  refineBox_->setObjectName(QStringLiteral("refineBox"));
  refineBox_->setGeometry(kRefineBoxPlace);
  refineBox_->setAcceptDrops(false);
  connect(refineBox_, &QLineEdit::textChanged, this, [this] {
    if (!settingRefine_ && events_) events_->OnRefineChanged();
  });

  // The up-down spinner: two arrows over the right end of the refine box, not
  // linked to it (the handler moves the value).
  auto* spinner = new QWidget(client);
  spinner->setObjectName(QStringLiteral("spinner"));
  spinner->setGeometry(kSpinnerPlace);
  const int half = kSpinnerPlace.height() / 2;
  for (auto [arrow, button, name] : {std::tuple{Qt::UpArrow, 1, "spinUp"},
                                     std::tuple{Qt::DownArrow, -1, "spinDown"}}) {
    auto* arrowButton = new QToolButton(spinner);
    arrowButton->setObjectName(QString::fromLatin1(name));
    arrowButton->setArrowType(arrow);
    arrowButton->setAutoRepeat(true);
    arrowButton->setFocusPolicy(Qt::NoFocus);
    arrowButton->setGeometry(0, button > 0 ? 0 : half, kSpinnerPlace.width(), half);
    connect(arrowButton, &QToolButton::clicked, this, [this, step = button] {
      if (events_) events_->OnRefineSpin(step);
    });
  }
}

void QtWindow::Start() {
  if (events_) events_->OnWindowCreated();
  show();
  FitOuterSize();
}

// Qt sizes a window without its frame; once the frame is known, the frame
// and client together are made the window's outer size.
void QtWindow::FitOuterSize() {
  if (QWindow* handle = windowHandle()) {
    const QMargins frame = handle->frameMargins();
    resize(kOuterSize.shrunkBy(frame));
  }
}

void QtWindow::OpenFile(const std::string& fileName) {
  nextChoice_ = fileName;
  if (events_) events_->OnOpenFile();
  nextChoice_.reset();
}

void QtWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void QtWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  OpenFile(LocalFileName(urls.first().toLocalFile()));
}

void QtWindow::ListDeleteAllRows() { model_->Clear(); }

void QtWindow::ListAppendRow(std::string_view column0) { model_->AppendRow(column0); }

void QtWindow::ListSetCell(int row, int column, std::string_view text) {
  model_->SetCell(row, column, text);
}

std::string QtWindow::ListCell(int row, int column) const { return model_->Cell(row, column); }

int QtWindow::ListCurrentRow() const {
  int first = -1;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
    if (first < 0 || index.row() < first) first = index.row();
  }
  return first;
}

void QtWindow::ListSetCurrentRow(int row) {
  if (row < 0 || row >= model_->RowCount()) return;
  // Selects first, then moves the current row, whose change raises OnRowChanged.
  list_->selectionModel()->setCurrentIndex(
      model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QtWindow::ListRedraw() { list_->viewport()->repaint(); }

void QtWindow::ListEnsureVisible(int row) { list_->scrollTo(model_->index(row, 0)); }

void QtWindow::PanelSetText(Panel panel, std::string_view text) {
  PanelEdit(panel)->setPlainText(ToQString(text));
}

void QtWindow::PanelSetCharFormat(Panel panel, const CharFormat& format) {
  QTextCharFormat& caret = caretFormats_[static_cast<size_t>(panel)];
  caret = ToCharFormat(format);
  PanelEdit(panel)->setCurrentCharFormat(caret);  // a selection takes it at once
}

// The text goes in as plain text: markup in a name shows as typed. The
// panel's own caret moves on behind the inserted text.
void QtWindow::PanelReplaceSelection(Panel panel, std::string_view text) {
  QTextCursor cursor = PanelEdit(panel)->textCursor();
  cursor.insertText(ToQString(text), caretFormats_[static_cast<size_t>(panel)]);
}

std::string QtWindow::EditText(EditBox box) const {
  return ToGbk((box == EditBox::Search ? searchBox_ : refineBox_)->text());
}

void QtWindow::SetEditText(EditBox box, std::string_view text) {
  if (box == EditBox::Search) {
    searchBox_->setText(ToQString(text));
    return;
  }
  // Raised once, and also when the text stays the same.
  settingRefine_ = true;
  refineBox_->setText(ToQString(text));
  settingRefine_ = false;
  if (events_) events_->OnRefineChanged();
}

void QtWindow::ShowMessage(std::string_view text, std::string_view title) {
  if (messagesToStderr_) {
    std::cerr << data::GbkToUtf8(title) << ": " << data::GbkToUtf8(text) << '\n';
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok, this);
  box.exec();
}

void QtWindow::ShowOpenDialog() {
  if (nextChoice_) {
    fileName_ = *nextChoice_;
    return;
  }
  QFileDialog dialog(this);
  dialog.setFileMode(QFileDialog::AnyFile);  // a typed name of a missing file is accepted
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    fileName_ = LocalFileName(dialog.selectedFiles().first());
  }
}

data::ElementData QtWindow::ReadFile(const std::string& fileName) {
  std::optional<data::ElementData> file = data::ReadWholeFile(fileName);
  return file ? std::move(*file) : data::ElementData();
}

void QtWindow::EnableFlatLook(int style) {
  if (std::optional<QColor> frame = FlatStyle::FrameColour(style)) {
    QApplication::setStyle(new FlatStyle(*frame));
  }
}

void QtWindow::EndProgram(int status) {
  endStatus_ = status;
  Q_EMIT programEnded(status);
}

}  // namespace velkarin::ui
