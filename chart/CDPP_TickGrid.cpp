// The Tick/Grid page: controls bound to the tick, grid and plot-area fields.
#include "chart/CDPP_TickGrid.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageTexts.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ov {
namespace {

const std::initializer_list<const char*> kTickStyles = {"None", "Inside", "Outside", "Cross"};

}  // namespace

CDPP_TickGrid::CDPP_TickGrid(ChartRecord& record, OvHostWindow* hostWindow, QWidget* parent)
    : SheetPage(parent), record_(record), hostWindow_(hostWindow)
{
    BuildControls();
    Load();
    ShowForKind();
}

void CDPP_TickGrid::BuildControls()
{
    PageTexts texts("GP1.xml", "gPTG");
    major_ = Named(new QComboBox(this), kTgMajor);
    texts.FillList(major_, "gCB03", kTickStyles);
    minor_ = Named(new QComboBox(this), kTgMinor);
    texts.FillList(minor_, "gCB04", kTickStyles);
    grid_ = Named(new QComboBox(this), kTgGrid);
    texts.FillList(grid_, "gCB05", {"None", "Major", "Major and Minor"});
    gridLabel_ = new QLabel(texts.Text(3, "Draw Grid :"), this);
    alignLabel_ = new QLabel(texts.Text(8, "Text Align :"), this);
    align_ = Named(new CDlgToolbar(this), kTgAlignToolbar);
    align_->Load(QStringLiteral("tb_TickGrid"));
    connect(align_, &CDlgToolbar::commandPosted, this,
            Guarded(this, [this](int command) { OnAlignment(command); }));
    secondMinor_ = Named(new QComboBox(this), kTgSecondMinor);
    texts.FillList(secondMinor_, "gCB04", kTickStyles);
    secondMinorLabel_ = new QLabel(texts.Text(4, "Minor :"), this);
    resetScale_ = Named(new QPushButton(texts.Text(5, "Reset Scale"), this), kTgResetScale);
    connect(resetScale_, &QPushButton::clicked, this, Guarded(this, [this] {
                if (hostWindow_ && hostWindow_->send_message)
                    hostWindow_->send_message(hostWindow_, kResetScaleMessage, 0, 1);
            }));
    hideX_ = Named(new QCheckBox(texts.Text(6, "Hide X-Axis"), this), kTgHideX);
    hideY_ = Named(new QCheckBox(texts.Text(7, "Hide Y-Axis"), this), kTgHideY);
    auto* plotGroup = Named(new QGroupBox(texts.Text(9, "Plot Area"), this), kTgPlotStyle);
    plot_ = new CDPE_LineFill(values_.plot, plotGroup);
    (new QVBoxLayout(plotGroup))->addWidget(plot_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(texts.Text(1, "Tick Mark :"), this), 0, 0);
    grid->addWidget(major_, 0, 1);
    grid->addWidget(new QLabel(texts.Text(2, "Minor :"), this), 1, 0);
    grid->addWidget(minor_, 1, 1);
    grid->addWidget(secondMinorLabel_, 1, 2);
    grid->addWidget(secondMinor_, 1, 3);
    grid->addWidget(gridLabel_, 2, 0);
    grid->addWidget(grid_, 2, 1);
    grid->addWidget(alignLabel_, 3, 0);
    grid->addWidget(align_, 3, 1);
    grid->addWidget(resetScale_, 4, 0);
    grid->addWidget(hideX_, 4, 1);
    grid->addWidget(hideY_, 4, 2);
    grid->addWidget(plotGroup, 5, 0, 1, 5);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(4, 1);
}

void CDPP_TickGrid::Load()
{
    values_ = LoadTickGrid(record_);
    auto select = [](QComboBox* list, int index) {
        list->setCurrentIndex(index < list->count() ? index : -1);
    };
    select(major_, values_.major);
    select(minor_, values_.minor);
    select(grid_, values_.grid);
    select(secondMinor_, values_.secondMinor);
    hideX_->setChecked(values_.hideX);
    hideY_->setChecked(values_.hideY);
    if (UsesAlignmentToolbar(record_.kind)) align_->SetCheckedCommand(record_.grid_style + 1);
    plot_->Load();
}

void CDPP_TickGrid::ShowForKind()
{
    const TickGridVisibility v = TickGridVisibilityFor(record_.kind);
    for (QWidget* w : std::initializer_list<QWidget*>{resetScale_, hideX_, hideY_})
        w->setVisible(v.resetScale);
    secondMinorLabel_->setVisible(v.secondMinor);
    secondMinor_->setVisible(v.secondMinor);
    gridLabel_->setVisible(v.gridList);
    grid_->setVisible(v.gridList);
    grid_->setEnabled(v.gridEnabled);
    alignLabel_->setVisible(v.textAlignment);
    align_->setVisible(v.textAlignment);
}

void CDPP_TickGrid::OnAlignment(int command)
{
    if (StoreTextAlignment(record_, command)) align_->SetCheckedCommand(command);
}

void CDPP_TickGrid::Store()
{
    values_.major = major_->currentIndex();
    values_.minor = minor_->currentIndex();
    values_.grid = grid_->currentIndex();
    values_.secondMinor = secondMinor_->currentIndex();
    values_.hideX = hideX_->isChecked();
    values_.hideY = hideY_->isChecked();
    StoreTickGrid(values_, record_);
}

}  // namespace ov
