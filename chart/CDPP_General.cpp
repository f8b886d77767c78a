// The General page: controls bound to the chart-level caption, font, colour and border fields.
#include "chart/CDPP_General.h"

#include "chart/CDPE_LineFill.h"
#include "chart/PageTexts.h"
#include "colour/ColourSwatch.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ov {
CDPP_General::CDPP_General(ChartRecord& record, QWidget* parent) : SheetPage(parent), record_(record)
{
    for (const QString& family : QFontDatabase::families()) families_.push_back(family.toStdU16String());
    BuildControls();
    Load();
    ShowForKind();
}

void CDPP_General::BuildControls()
{
    PageTexts texts("GP1.xml", "gPGG");
    caption_ = Named(new QLineEdit(this), kGgCaption);
    caption_->setMaxLength(127);
    captionLabel_ = new QLabel(texts.Text(1, "Caption :"), this);
    font_ = Named(new QComboBox(this), kGgFont);
    font_->setEditable(true);
    font_->setInsertPolicy(QComboBox::NoInsert);  // a typed face is stored, never added to the list
    for (const std::u16string& family : families_) font_->addItem(QString::fromStdU16String(family));
    size_ = Named(new QComboBox(this), kGgFontSize);
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    texts.FillList(size_, "gCB01",
                   {"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "28", "36"});
    textColour_ = Named(new ColourSwatch(this), kGgTextColour);
    connect(textColour_, &ColourSwatch::colourChanged, this,
            Guarded(this, [this](uint32_t argb) { record_.text_colour = argb; }));
    border_ = Named(new QComboBox(this), kGgBorder);
    texts.FillList(border_, BorderListSection(record_.kind), {"None", "Frame", "Shadow", "Rounded"});
    borderLabel_ = new QLabel(texts.Text(5, "Border :"), this);
    setDefault_ = Named(new QPushButton(texts.Text(6, "Set As Default"), this), kGgSetDefault);
    connect(setDefault_, &QPushButton::clicked, this, Guarded(this, [this] {
                SavePlotFontDefaults(kPlotFontKey, font_->currentText().toStdU16String(),
                                     size_->currentText().toStdU16String());
            }));
    larger_ = Named(new QCheckBox(texts.Text(7, "Larger Font for Title"), this), kGgLargerTitle);
    bold_ = Named(new QCheckBox(texts.Text(8, "Bold Font for Title"), this), kGgBoldTitle);
    frameGroup_ = Named(new QGroupBox(texts.Text(9, "Frame"), this), kGgFrame);
    frame_ = new CDPE_LineFill(values_.frame, frameGroup_);
    (new QVBoxLayout(frameGroup_))->addWidget(frame_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(captionLabel_, 0, 0);
    grid->addWidget(caption_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(texts.Text(2, "Font :"), this), 1, 0);
    grid->addWidget(font_, 1, 1);
    grid->addWidget(setDefault_, 1, 2);
    grid->addWidget(new QLabel(texts.Text(3, "Font Size :"), this), 2, 0);
    grid->addWidget(size_, 2, 1);
    grid->addWidget(new QLabel(texts.Text(4, "Text Color :"), this), 3, 0);
    grid->addWidget(textColour_, 3, 1, Qt::AlignLeft);
    grid->addWidget(larger_, 4, 1);
    grid->addWidget(bold_, 5, 1);
    grid->addWidget(borderLabel_, 6, 0);
    grid->addWidget(border_, 6, 1);
    grid->addWidget(frameGroup_, 7, 0, 1, 4);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(3, 1);
}

void CDPP_General::Load()
{
    values_ = LoadGeneral(record_);
    caption_->setText(QString::fromStdU16String(values_.caption));
    const int family = FindFontByPrefix(families_, values_.fontFace);
    if (family >= 0)
        font_->setCurrentIndex(family);
    else
        font_->setEditText(QString::fromStdU16String(values_.fontFace));  // a face not installed here stays
    size_->setEditText(QString::fromStdU16String(values_.fontSizeText));
    textColour_->SetColour(record_.text_colour);
    border_->setCurrentIndex(values_.border < border_->count() ? values_.border : -1);
    larger_->setChecked(values_.largerTitle);
    bold_->setChecked(values_.boldTitle);
    frame_->Load();
}

void CDPP_General::ShowForKind()
{
    const GeneralVisibility v = GeneralVisibilityFor(record_.kind);
    captionLabel_->setVisible(v.caption);
    caption_->setVisible(v.caption);
    borderLabel_->setVisible(v.border);
    border_->setVisible(v.border);
    frameGroup_->setVisible(v.frame);
    larger_->setVisible(v.titleBoxes);
    bold_->setVisible(v.titleBoxes);
    if (v.firstBorder) border_->setCurrentIndex(0);
}

void CDPP_General::TakeControls()
{
    values_.caption = caption_->text().toStdU16String();
    values_.fontFace = font_->currentText().toStdU16String();
    values_.fontSizeText = size_->currentText().toStdU16String();
    values_.boldTitle = bold_->isChecked();
    values_.largerTitle = larger_->isChecked();
    values_.border = border_->currentIndex();
}

void CDPP_General::Store()
{
    TakeControls();
    StoreGeneral(values_, record_);
}

}  // namespace ov
