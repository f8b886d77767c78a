// CDlgGDByFunc: controls, the history file round trip, the help pages and both OK flows.
#include "data/formula/CDlgGDByFunc.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>

#include "data/formula/COvMathParserX.h"
#include "data/formula/EvenlySpaced.h"
#include "data/formula/FormulaHelpTabs.h"
#include "data/formula/RtfTextDocument.h"
#include "framework/settings/EditorBackground.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/ApxIcon.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/InterfaceFont.h"
#include "framework/ui/MessageBox.h"

namespace ov {

// The diagram of the variables' ranges, scaled into the control with its proportions kept.
class FormulaPicture : public QWidget {
public:
    explicit FormulaPicture(QWidget* parent = nullptr) : QWidget(parent) {}
    void Load(FormulaKind kind) { icon_.Load(kind == FormulaKind::Column ? "CP/afa" : "CP/zxy"); }
    bool IsValid() const { return icon_.IsValid(); }
    QSize sizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        RunGuarded(this, [this] {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            const double scale = std::min(width() / 160.0, height() / 120.0);
            const QSizeF size(160 * scale, 120 * scale);
            icon_.Paint(p,
                        QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size));
        });
    }

private:
    ApxIcon icon_;
};

namespace {

// (control id, entry of section "gDLG2"): caption, OK, Cancel.
constexpr int32_t kTexts[] = {0, 1, 1, 2, 2, 3, -1, -1};

const QString kBlank = QStringLiteral("(Blank)");

void ShowError(QWidget* parent, const QString& text)
{
    ShowMessage({parent, {}, text, MessageButtons::Ok, MessageIcon::Critical});
}

// Each set-up (start field, end field, formula) shows its parser error at most once.
FormulaErrorSink ErrorSink(QWidget* parent)
{
    return
        [parent](const std::string& message) { ShowError(parent, QString::asprintf("%s", message.c_str())); };
}

QFont EditFont(const QFont& listFont)
{
    QFont font = QFontDatabase::families().contains(QStringLiteral("Consolas"))
                     ? QFont(QStringLiteral("Consolas"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(static_cast<int>(std::lround(QFontInfo(listFont).pixelSize() * 1.1)));
    return font;
}

}  // namespace

std::string HelpPageName(FormulaKind kind, int page)
{
    static const char* const kColumn[] = {"1", "2", "3", "4"};
    static const char* const kSurface[] = {"1z", "2", "3", "4z"};
    if (page < 0 || page > 3) return {};
    return kind == FormulaKind::Column ? kColumn[page] : kSurface[page];
}

CDlgGDByFunc::CDlgGDByFunc(QWidget* parent) : QDialog(parent)
{
    setFont(InterfaceFont());
    BuildControls();
}

CDlgGDByFunc::~CDlgGDByFunc() = default;

void CDlgGDByFunc::BuildControls()
{
    setWindowTitle(QStringLiteral("func"));
    picture_ = Named(new FormulaPicture, kIdPicture);
    start_ = Named(new QLineEdit, kIdStart);
    end_ = Named(new QLineEdit, kIdEnd);
    formula_ = Named(new QLineEdit, kIdFormula);
    tilde_ = Named(new QLabel(QStringLiteral("~")), kIdTilde);

    historyList_ = Named(new QListWidget, kIdHistory);
    helpText_ = Named(new QTextEdit, kIdHelpText);
    helpText_->setReadOnly(true);
    helpStack_ = new QStackedWidget;
    helpStack_->addWidget(helpText_);
    helpStack_->addWidget(historyList_);
    helpStack_->setMinimumHeight(200);
    tabs_ = Named(new FormulaHelpTabs, kIdTabs);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(ControlName(kIdOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(ControlName(kIdCancel));
    tabs_->setFixedHeight(ok->sizeHint().height());
    connect(buttons, &QDialogButtonBox::accepted, this, Guarded(this, &CDlgGDByFunc::accept));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &FormulaHelpTabs::PageChosen, this, Guarded(this, &CDlgGDByFunc::ShowPage));
    connect(historyList_, &QListWidget::currentRowChanged, this,
            Guarded(this, &CDlgGDByFunc::OnHistoryChosen));
    connect(historyList_, &QListWidget::itemClicked, this,
            Guarded(this, [this](QListWidgetItem* item) { OnHistoryChosen(historyList_->row(item)); }));

    auto* range = new QHBoxLayout;
    range->addWidget(start_);
    range->addWidget(tilde_);
    range->addWidget(end_);
    auto* layout = new QVBoxLayout(this);
    picture_->setMinimumHeight(180);
    layout->addWidget(picture_, 2);
    layout->addLayout(range);
    layout->addWidget(formula_);
    layout->addWidget(tabs_);
    layout->addWidget(helpStack_, 3);
    layout->addWidget(buttons);
    layout->setSpacing(6);
    resize(460, 560);
}

int CDlgGDByFunc::DoModal()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "GP1.xml");
    ApplyLocalizedTexts(table, "gDLG2", kTexts, this);
    QStringList labels;
    for (int i = 1; i <= FormulaHelpTabs::kPages; ++i) {
        labels << QString::fromStdU16String(table.GetLocalizedText("gFPP", i));
    }
    tabs_->SetLabels(labels);
    tabs_->SetEditorBackground(ReadEditorBackground());
    picture_->Load(kind);

    LoadHistory();
    PutControlValues();
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDlgGDByFunc::LoadHistory()
{
    const auto path = FormulaHistoryPath(kind);
    FormulaHistory file;
    switch (LoadFormulaHistory(path, kind, file)) {
    case HistoryLoad::Missing: return;
    case HistoryLoad::Damaged:
        ShowError(this, QStringLiteral("failed to open file : ") + QString::fromStdString(path.string()));
        return;
    case HistoryLoad::Loaded: break;
    }
    page = file.page;
    formulaText = file.formula;
    if (kind == FormulaKind::Column) {
        startText = file.startText;
        endText = file.endText;
    }
    history = file.entries;
}

void CDlgGDByFunc::PutControlValues()
{
    const QFont editFont = EditFont(historyList_->font());
    for (QWidget* w : {static_cast<QWidget*>(historyList_), static_cast<QWidget*>(start_),
                       static_cast<QWidget*>(end_), static_cast<QWidget*>(formula_)}) {
        w->setFont(editFont);
    }
    const QSignalBlocker blocker(historyList_);
    historyList_->clear();
    historyList_->addItem(kBlank);
    for (const std::u16string& entry : history) historyList_->addItem(QString::fromStdU16String(entry));
    start_->setText(QString::fromStdU16String(startText));
    end_->setText(QString::fromStdU16String(endText));
    formula_->setText(QString::fromStdU16String(formulaText));
    const bool column = kind == FormulaKind::Column;
    for (QWidget* w :
         {static_cast<QWidget*>(start_), static_cast<QWidget*>(tilde_), static_cast<QWidget*>(end_)}) {
        w->setVisible(column);
    }
    ShowPage(page);
    formula_->setFocus();
}

void CDlgGDByFunc::ShowPage(int shown)
{
    page = std::clamp(shown, 0, FormulaHelpTabs::kPages - 1);
    tabs_->SetPage(page);
    if (page == kHistoryPage) {
        helpStack_->setCurrentWidget(historyList_);
        return;
    }
    const std::string folder = "RTF_" + QString::fromStdU16String(CurrentLanguageCode()).toStdString();
    LoadRtfFile(HostFolder() / "Languages" / folder / (HelpPageName(kind, page) + ".rtf"),
                *helpText_->document());
    helpText_->moveCursor(QTextCursor::Start);  // pages are read from the top
    helpStack_->setCurrentWidget(helpText_);
}

void CDlgGDByFunc::OnHistoryChosen(int row)
{
    if (row < 0) return;
    formula_->setText(row == 0 ? QString() : historyList_->item(row)->text());
    formula_->setFocus();
}

bool CDlgGDByFunc::RunColumn()
{
    startText = start_->text().toStdU16String();
    endText = end_->text().toStdU16String();
    const double start = EvaluateNumber(startText, ErrorSink(this));
    const double end = EvaluateNumber(endText, ErrorSink(this));
    COvMathParserX parser(ErrorSink(this));
    if (!parser.SetColumnFormula(formulaText, source, rows, columns)) {
        ShowError(this, QString::fromStdString(parser.ErrorText()));
        return false;
    }
    const std::vector<double> a = EvenlySpaced(start, end, rows);
    return parser.EvaluateRows(a.data(), output, rows);
}

bool CDlgGDByFunc::RunSurface()
{
    COvMathParserX parser(ErrorSink(this));
    if (!parser.SetSurfaceFormula(formulaText, rows)) {
        ShowError(this, QString::fromStdString(parser.ErrorText()));
        return false;
    }
    const std::vector<double> xs = EvenlySpaced(xStart, xEnd, rows);
    const std::vector<double> ys = EvenlySpaced(yStart, yEnd, columns);
    if (!parser.EvaluateGrid(rows * columns, xs.data(), ys.data(), output)) {
        ShowError(this, QString::fromStdString(parser.ErrorText()));
        return false;
    }
    return true;
}

void CDlgGDByFunc::SaveHistory()
{
    PushFormula(history, formulaText);
    FormulaHistory file;
    file.formula = formulaText;
    file.startText = startText;
    file.endText = endText;
    file.entries = history;
    const auto path = FormulaHistoryPath(kind);
    // The computed values stand; the user learns that the history did not keep this formula.
    if (!SaveFormulaHistory(path, file, kind))
        ShowSharedMessage("gMSG_FILE", 3, QString::fromStdString(path.string()), MessageButtons::Ok,
                          MessageIcon::Warning, this);
}

void CDlgGDByFunc::accept()
{
    formulaText = formula_->text().toStdU16String();
    const bool done = kind == FormulaKind::Column ? RunColumn() : RunSurface();
    if (!done) return;
    SaveHistory();
    QDialog::accept();
}

}  // namespace ov
