// CDlgOpenASCPreView: controls built in code, the coloured preview, the enabling rules and the
// settings kept in the store between imports.
#include "data/import/DlgOpenASCPreView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "framework/settings/EditorBackground.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"

namespace ov {
namespace {

// (control id, entry of section "gDLG1") pairs; id 0 is the caption.
constexpr int32_t kTexts[] = {0,    1, 1,    2, 2,    3, 1002, 4,  1003, 5,  1005, 6,
                              1007, 7, 1008, 8, 1011, 9, 1010, 10, 1013, 10, -1,   -1};

const QColor kPrefixText(0, 0, 200);
const QColor kLineText(100, 100, 100);

// The editor background of the application settings (a COLORREF, red in the low byte).
QColor EditorBackground()
{
    const uint32_t c = ReadEditorBackground();
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void AppendRun(QTextCursor& cursor, const QString& text, const QColor& fg, const QColor& bg)
{
    QTextCharFormat format;
    format.setForeground(fg);
    format.setBackground(bg);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, format);
}

QLineEdit* NumberEdit(int id)
{
    auto* edit = new QLineEdit;  // owned by the dialog once laid out
    edit->setObjectName(ControlName(id));
    edit->setValidator(new QIntValidator(edit));
    return edit;
}

// The integer in an edit; false leaves `out` alone (text that is not a 32-bit integer).
bool ReadInt(const QLineEdit* edit, int32_t& out)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (ok) out = value;
    return ok;
}

}  // namespace

QFont PreviewFont()
{
    if (QFontDatabase::families().contains(QStringLiteral("Consolas"))) {
        return QFont(QStringLiteral("Consolas"), 9, QFont::Normal);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

CDlgOpenASCPreView::CDlgOpenASCPreView(QWidget* parent) : QDialog(parent), settings(LoadAsciiImportSettings())
{
    BuildControls();
    ApplyTexts();
}

CDlgOpenASCPreView::~CDlgOpenASCPreView()
{
    // A destructor must not throw: a store that fails costs the remembered settings, not the host.
    RunGuarded(parentWidget(), [this] { StoreAsciiImportSettings(settings); });
}

void CDlgOpenASCPreView::BuildControls()
{
    setWindowTitle(QStringLiteral("ASCII Data Preview"));
    preview_ = Named(new QPlainTextEdit, kIdPreview);
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    preview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    preview_->setFont(PreviewFont());
    preview_->setMinimumSize(520, 300);

    startLine_ = NumberEdit(kIdStartLine);
    columns_ = NumberEdit(kIdColumns);
    autoCheck_ = Named(new QCheckBox(QStringLiteral("Auto Check")), kIdAutoCheck);
    seriesNameLine_ = NumberEdit(kIdSeriesNameLine);
    dismissSeriesName_ = Named(new QCheckBox(QStringLiteral("Dismiss")), kIdDismissSeriesName);
    columnTitleLine_ = NumberEdit(kIdColumnTitleLine);
    dismissColumnTitles_ = Named(new QCheckBox(QStringLiteral("Dismiss")), kIdDismissColumnTitles);
    auto* seriesLabel = Named(new QLabel(QStringLiteral("Series Name Line :")), kIdSeriesNameLabel);
    auto* titleLabel = Named(new QLabel(QStringLiteral("Column Title Line :")), kIdColumnTitleLabel);
    seriesNameGroup_ = {seriesLabel, seriesNameLine_, dismissSeriesName_};
    columnTitleGroup_ = {titleLabel, columnTitleLine_, dismissColumnTitles_};

    auto* grid = new QGridLayout;
    grid->addWidget(Named(new QLabel(QStringLiteral("Data Start Line :")), kIdStartLineLabel), 0, 0);
    grid->addWidget(startLine_, 0, 1);
    grid->addWidget(Named(new QLabel(QStringLiteral("Columns :")), kIdColumnsLabel), 1, 0);
    grid->addWidget(columns_, 1, 1);
    grid->addWidget(autoCheck_, 1, 2);
    grid->addWidget(seriesLabel, 2, 0);
    grid->addWidget(seriesNameLine_, 2, 1);
    grid->addWidget(dismissSeriesName_, 2, 2);
    grid->addWidget(titleLabel, 3, 0);
    grid->addWidget(columnTitleLine_, 3, 1);
    grid->addWidget(dismissColumnTitles_, 3, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(ControlName(kIdOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(ControlName(kIdCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, Guarded(this, &CDlgOpenASCPreView::accept));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QCheckBox* box : {autoCheck_, dismissSeriesName_, dismissColumnTitles_}) {
        connect(box, &QCheckBox::clicked, this, Guarded(this, &CDlgOpenASCPreView::OnCheckBoxClicked));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Named(new QLabel(QStringLiteral("Preview :")), kIdPreviewLabel));
    layout->addWidget(preview_);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CDlgOpenASCPreView::ApplyTexts()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "GP1.xml");
    ApplyLocalizedTexts(table, "gDLG1", kTexts, this);
}

int CDlgOpenASCPreView::DoModal()
{
    FillPreview();
    PutControlValues();
    ApplyTitleMode();
    UpdateEnabling();
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void CDlgOpenASCPreView::FillPreview()
{
    const QColor background = EditorBackground();
    preview_->setUpdatesEnabled(false);
    preview_->clear();
    QTextCursor cursor(preview_->document());
    cursor.beginEditBlock();  // one layout pass for the whole preview
    for (std::size_t i = 0; i < previewLines.size(); ++i) {
        AppendRun(cursor, QString::asprintf("%03d: ", static_cast<int>(i + 1)), kPrefixText, background);
        AppendRun(cursor, QString::fromUtf8(previewLines[i]) + '\n', kLineText, Qt::white);
    }
    AppendRun(cursor, QStringLiteral("...  "), kPrefixText, background);
    AppendRun(cursor, QStringLiteral("......\n\n"), kLineText, Qt::white);
    cursor.endEditBlock();
    preview_->moveCursor(QTextCursor::Start);  // the user reads from the first line
    preview_->setUpdatesEnabled(true);
}

void CDlgOpenASCPreView::ApplyTitleMode()
{
    for (QWidget* w : columnTitleGroup_) w->setVisible(titleMode >= 1);
    for (QWidget* w : seriesNameGroup_) w->setVisible(titleMode >= 0);
}

void CDlgOpenASCPreView::UpdateEnabling()
{
    columns_->setEnabled(!settings.autoCheck);
    seriesNameLine_->setEnabled(!settings.dismissSeriesName);
    columnTitleLine_->setEnabled(!settings.dismissColumnTitles);
}

void CDlgOpenASCPreView::PutControlValues()
{
    startLine_->setText(QString::number(settings.dataStartLine));
    columns_->setText(QString::number(settings.columns));
    autoCheck_->setChecked(settings.autoCheck);
    seriesNameLine_->setText(QString::number(settings.seriesNameLine));
    dismissSeriesName_->setChecked(settings.dismissSeriesName);
    columnTitleLine_->setText(QString::number(settings.columnTitleLine));
    dismissColumnTitles_->setChecked(settings.dismissColumnTitles);
}

// Takes every control into the members; the first edit without a valid integer gets the focus and
// is returned (null when every edit holds one).
QLineEdit* CDlgOpenASCPreView::TakeControlValues()
{
    settings.autoCheck = autoCheck_->isChecked();
    settings.dismissSeriesName = dismissSeriesName_->isChecked();
    settings.dismissColumnTitles = dismissColumnTitles_->isChecked();
    const std::pair<QLineEdit*, int32_t*> edits[] = {{startLine_, &settings.dataStartLine},
                                                     {columns_, &settings.columns},
                                                     {seriesNameLine_, &settings.seriesNameLine},
                                                     {columnTitleLine_, &settings.columnTitleLine}};
    for (const auto& [edit, member] : edits) {
        if (!ReadInt(edit, *member)) {
            edit->setFocus();
            edit->selectAll();
            return edit;
        }
    }
    return nullptr;
}

void CDlgOpenASCPreView::OnCheckBoxClicked()
{
    TakeControlValues();
    UpdateEnabling();
}

void CDlgOpenASCPreView::accept()
{
    QLineEdit* bad = TakeControlValues();
    if (bad == nullptr) return QDialog::accept();
    ShowSharedMessage("gMSG_NUM", 3, bad->text(), MessageButtons::Ok, MessageIcon::Warning, this);
    bad->setFocus();  // the message box had it
}

}  // namespace ov
