#include "app/ControlViews.h"

#include "app/Icons.h"
#include "app/QtFonts.h"
#include "app/QtText.h"
#include "app/TextLinesView.h"
#include "app/TextListModel.h"
#include "app/UpDownWidget.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

namespace {

// Colours of the core are 0x00BBGGRR; black (0) and the system colours
// (high byte set) mean the style's own text colour.
bool IsOwnColour(std::uint32_t colour) {
    return colour != 0 && (colour & 0xFF000000u) == 0;
}

QColor ColourOf(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

void ShowColour(QWidget *widget, std::uint32_t colour) {
    QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
    if (IsOwnColour(colour)) {
        // Disabled text keeps the style's grey.
        for (auto group : {QPalette::Active, QPalette::Inactive})
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(group, role, ColourOf(colour));
    }
    widget->setPalette(palette);
}

// CHOICE: a slice of rows takes about a millisecond to lay out.
constexpr int kRowsPerLayoutSlice = 50'000;

} // namespace

ListSignature ListSignature::Of(const TextList &list) {
    return {list.Revision(), list.Count(), list.Empty() ? nullptr : list[0].data()};
}

QString ToolTipText(const std::string &hint) {
    const QString text = DisplayText(hint);
    return Qt::mightBeRichText(text)
               ? QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>")
               : text;
}

ControlView::ControlView(Control &model, QWidget *widget, ViewContext &context)
    : context_(context), model_(model), widget_(widget) {}

QRect ControlView::Geometry() const {
    const Rect &b = model_.Bounds;
    const QPoint origin =
        widget_->parentWidget() ? widget_->parentWidget()->contentsRect().topLeft() : QPoint();
    return QRect(origin.x() + b.Left, origin.y() + b.Top, b.Width, b.Height);
}

void ControlView::Show() {
    const QString name = QString::fromStdString(model_.Name);
    if (widget_->objectName() != name)
        widget_->setObjectName(name);
    // The font before the geometry: an auto-sized label measures its caption in it.
    if (!fontShown_ || !(shownFont_ == model_.Font)) {
        widget_->setFont(FontFromSpec(model_.Font));
        ShowColour(widget_, model_.Font.Color);
        shownFont_ = model_.Font;
        fontShown_ = true;
    }
    const QRect geometry = Geometry();
    if (!context_.laidOut && widget_->geometry() != geometry)
        widget_->setGeometry(geometry);
    if (widget_->isHidden() == model_.Visible)
        widget_->setVisible(model_.Visible);
    if (widget_->testAttribute(Qt::WA_Disabled) == model_.Enabled)
        widget_->setEnabled(model_.Enabled);
    const QString tip = model_.ShowHint && !model_.Hint.empty() ? ToolTipText(model_.Hint) : QString();
    if (widget_->toolTip() != tip)
        widget_->setToolTip(tip);
}

PanelView::PanelView(Panel &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QFrame(parent), context) {
    // A single border of the form's 3D look: two pixels, sunken.
    static_cast<QFrame *>(Widget())->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

BevelView::BevelView(Bevel &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QFrame(parent), context) {
    auto *frame = static_cast<QFrame *>(Widget());
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // A bevel only frames the controls above it.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
}

LabelView::LabelView(Label &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QLabel(parent), context), label_(model),
      widget_(static_cast<QLabel *>(Widget())) {
    widget_->setTextFormat(Qt::PlainText);
}

QRect LabelView::Geometry() const {
    QRect geometry = ControlView::Geometry();
    if (label_.AutoSize)
        geometry.setSize(widget_->sizeHint());
    return geometry;
}

void LabelView::Show() {
    // The caption first: an auto-sized label takes the size of its new text.
    const QString caption = DisplayText(label_.Caption);
    if (widget_->text() != caption)
        widget_->setText(caption);
    ControlView::Show();
}

ButtonView::ButtonView(Button &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QToolButton(parent), context), button_(model),
      widget_(static_cast<QToolButton *>(Widget())), shownKind_(model.Kind) {
    QObject::connect(widget_, &QToolButton::clicked, widget_, [this] {
        if (!context_.refreshing)
            context_.userEvent(button_.OnClick);
    });
}

void ButtonView::Show() {
    const QString caption = ToQString(button_.Caption);
    if (widget_->text() != caption)
        widget_->setText(caption);
    if (!styled_ || shownKind_ != button_.Kind || shownName_ != button_.Name ||
        widget_->autoRaise() != button_.Flat) {
        // A tool-row button is a picture that never takes the focus; the
        // buttons of the tool panel show their picture above the caption and
        // take the focus like push buttons.
        const bool speed = button_.Kind == ControlKind::SpeedButton;
        widget_->setIcon(ControlIcon(button_.Name, *widget_->style()));
        widget_->setToolButtonStyle(speed ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon);
        widget_->setIconSize(speed ? QSize(16, 16) : QSize(24, 24));
        widget_->setFocusPolicy(speed ? Qt::NoFocus : Qt::StrongFocus);
        widget_->setAutoRaise(button_.Flat);
        shownKind_ = button_.Kind;
        shownName_ = button_.Name;
        styled_ = true;
    }
    ControlView::Show();
}

EditView::EditView(Edit &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QLineEdit(parent), context), edit_(model),
      widget_(static_cast<QLineEdit *>(Widget())) {
    QObject::connect(widget_, &QLineEdit::textEdited, widget_, [this] {
        if (!context_.refreshing && edit_.OnChange)
            context_.userEvent(edit_.OnChange);
    });
}

void EditView::Show() {
    const QString text = ToQString(edit_.Text);
    if (widget_->text() != text) {
        const QSignalBlocker blocker(widget_);
        widget_->setText(text);
    }
    if (widget_->isReadOnly() != edit_.ReadOnly)
        widget_->setReadOnly(edit_.ReadOnly);
    ControlView::Show();
}

void EditView::Collect() {
    const QString text = widget_->text();
    if (text != ToQString(edit_.Text))
        edit_.Text = FromQString(text);
}

ComboBoxView::ComboBoxView(ComboBox &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QComboBox(parent), context), combo_(model),
      widget_(static_cast<QComboBox *>(Widget())) {
    widget_->setMaxVisibleItems(8);
    // Choosing an item (by mouse or arrow keys) is the box's change.
    QObject::connect(widget_, &QComboBox::activated, widget_, [this] {
        if (!context_.refreshing && combo_.OnChange)
            context_.userEvent(combo_.OnChange);
    });
}

void ComboBoxView::ShowEditable() {
    if (widget_->isEditable() == combo_.Editable)
        return;
    widget_->setEditable(combo_.Editable);
    if (!combo_.Editable)
        return;
    // What the user types stays as typed: no completion, no new items on Enter.
    widget_->setCompleter(nullptr);
    widget_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(widget_->lineEdit(), &QLineEdit::textEdited, widget_, [this] {
        if (!context_.refreshing && combo_.OnChange)
            context_.userEvent(combo_.OnChange);
    });
}

void ComboBoxView::Show() {
    const QSignalBlocker blocker(widget_);
    ShowEditable();
    const ListSignature items = ListSignature::Of(combo_.Items);
    if (!itemsShown_ || !(items == shownItems_)) {
        widget_->clear();
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(combo_.Items.Count()));
        for (const auto &item : combo_.Items)
            texts << ToQString(item);
        widget_->addItems(texts);
        shownItems_ = items;
        itemsShown_ = true;
    }
    const int index = combo_.ItemIndex >= 0 && combo_.ItemIndex < widget_->count() ? combo_.ItemIndex : -1;
    if (widget_->currentIndex() != index)
        widget_->setCurrentIndex(index);
    if (combo_.Editable) {
        const QString text = ToQString(combo_.Text);
        if (widget_->currentText() != text)
            widget_->setEditText(text);
    }
    ControlView::Show();
}

void ComboBoxView::Collect() {
    const int index = widget_->currentIndex();
    if (!combo_.Editable) {
        if (index != combo_.ItemIndex) {
            combo_.ItemIndex = index;
            combo_.Text = index >= 0 ? combo_.Items[static_cast<std::size_t>(index)] : std::string();
        }
        return;
    }
    const QString text = widget_->currentText();
    if (index != combo_.ItemIndex)
        combo_.ItemIndex = index;
    if (text != ToQString(combo_.Text)) {
        combo_.Text = FromQString(text);
        // A typed text that is not the chosen item leaves nothing chosen.
        if (index >= 0 && text != widget_->itemText(index))
            combo_.ItemIndex = -1;
    }
}

ListBoxView::ListBoxView(ListBox &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QListView(parent), context), list_(model),
      widget_(static_cast<QListView *>(Widget())), items_(new TextListModel(model.Items, widget_)) {
    widget_->setModel(items_);
    widget_->setUniformItemSizes(true);
    // A list of a million rows is laid out in slices between events, so that
    // opening or editing it never holds the window up; a film's list takes
    // one slice.
    widget_->setLayoutMode(QListView::Batched);
    widget_->setBatchSize(kRowsPerLayoutSlice);
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The selection model's signals cannot be blocked without the view missing
    // its own updates, so code changes are told apart by the context's flag.
    QObject::connect(widget_->selectionModel(), &QItemSelectionModel::currentRowChanged, widget_, [this] {
        if (!context_.refreshing)
            context_.userEvent(list_.OnClick);
    });
}

int ListBoxView::CurrentRow() const {
    // The current row is the list box's item index: a click makes a row
    // current before it selects it, and handlers run in between.
    const QModelIndex current = widget_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int ListBoxView::TopRow() const {
    const QModelIndex top = widget_->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void ListBoxView::Show() {
    const QSignalBlocker blocker(widget_);
    const ListSignature items = ListSignature::Of(list_.Items);
    // A list of the same length only has its rows painted anew: a reset would
    // lay out a million rows again after every edit of one entry.
    const bool reset = items.count != shownItems_.count;
    if (reset) {
        // A row beyond the first slice can only be selected and scrolled to
        // once it is laid out, so such a row has every row laid out at once.
        const bool beyondFirstSlice = std::max(list_.ItemIndex, list_.TopIndex) >= kRowsPerLayoutSlice;
        widget_->setLayoutMode(beyondFirstSlice ? QListView::SinglePass : QListView::Batched);
        items_->ItemsChanged();
    } else if (items.first != shownItems_.first)
        items_->ItemsRewritten();
    else if (!(items == shownItems_))
        // The view reads rows as it paints them, and rows take their size
        // from the first, which has not changed: repainting shows the change
        // without the view laying out every row again.
        widget_->viewport()->update();
    shownItems_ = items;
    const int count = items_->rowCount();
    const int index = list_.ItemIndex >= 0 && list_.ItemIndex < count ? list_.ItemIndex : -1;
    if (reset || CurrentRow() != index) {
        if (index < 0)
            widget_->selectionModel()->clear();
        else
            widget_->selectionModel()->setCurrentIndex(items_->index(index),
                                                       QItemSelectionModel::ClearAndSelect);
    }
    if ((reset || list_.TopIndex != shownTop_) && count > 0) {
        const int top = list_.TopIndex >= 0 && list_.TopIndex < count ? list_.TopIndex : 0;
        widget_->scrollTo(items_->index(top), QAbstractItemView::PositionAtTop);
    }
    shownTop_ = list_.TopIndex;
    widget_->setLayoutMode(QListView::Batched);
    ControlView::Show();
}

void ListBoxView::Collect() {
    list_.ItemIndex = CurrentRow();
    list_.TopIndex = TopRow();
    shownTop_ = list_.TopIndex;
}

MemoView::MemoView(Memo &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new TextLinesView(parent), context), memo_(model),
      widget_(static_cast<TextLinesView *>(Widget())) {
    // What the user types is the memo's text at once, so that saving writes it;
    // the memo and the view go on sharing the lines.
    QObject::connect(widget_, &TextLinesView::edited, widget_, [this] {
        memo_.Lines = widget_->Lines();
        shownLines_ = ListSignature::Of(memo_.Lines);
    });
}

void MemoView::Show() {
    // The view shares the memo's lines: showing the SubRip text of a million
    // subtitles copies nothing.
    const ListSignature lines = ListSignature::Of(memo_.Lines);
    if (!linesShown_ || !(lines == shownLines_)) {
        widget_->SetLines(memo_.Lines);
        shownLines_ = lines;
        linesShown_ = true;
    }
    const auto policy = memo_.VerticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (widget_->verticalScrollBarPolicy() != policy)
        widget_->setVerticalScrollBarPolicy(policy);
    ControlView::Show();
}

UpDownView::UpDownView(UpDown &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new UpDownWidget(parent), context) {
    QObject::connect(static_cast<UpDownWidget *>(Widget()), &UpDownWidget::stepped, Widget(),
                     [this, &model](int step) {
                         if (context_.refreshing)
                             return;
                         model.Position = SteppedPosition(model, step);
                         context_.userEvent(model.OnClick);
                     });
}

ProgressBarView::ProgressBarView(ProgressBar &model, QWidget *parent, ViewContext &context)
    : ControlView(model, new QProgressBar(parent), context), bar_(model),
      widget_(static_cast<QProgressBar *>(Widget())) {
    widget_->setTextVisible(false);
}

void ProgressBarView::Show() {
    if (widget_->minimum() != bar_.Min || widget_->maximum() != bar_.Max)
        widget_->setRange(bar_.Min, bar_.Max);
    if (widget_->value() != bar_.Position)
        widget_->setValue(bar_.Position);
    ControlView::Show();
}

StatusBarView::StatusBarView(StatusBar &model, QStatusBar *widget, ViewContext &context)
    : ControlView(model, widget, context), bar_(model), widget_(widget) {
    widget_->setSizeGripEnabled(false);
    widget_->setMouseTracking(true);
}

QRect StatusBarView::Geometry() const {
    return widget_->geometry();
}

void StatusBarView::Show() {
    if (panels_.size() != bar_.Panels.size()) {
        for (QLabel *panel : panels_)
            delete panel;
        panels_.clear();
        for (std::size_t i = 0; i < bar_.Panels.size(); ++i) {
            auto *panel = new QLabel(widget_);
            panel->setTextFormat(Qt::PlainText);
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            panel->show();
            panels_.push_back(panel);
        }
    }
    const int height = bar_.Bounds.Height > 0 ? bar_.Bounds.Height : 19;
    const int width = std::max(bar_.Bounds.Width, widget_->width());
    // The panels are placed edge to edge from the bar's left end, where the
    // mouse handlers measure from; NOTE: the last one reaches to the end of
    // the bar, as on Windows.
    int left = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const StatusPanel &model = bar_.Panels[i];
        QLabel *panel = panels_[i];
        const QString text = ToQString(model.Text);
        if (panel->text() != text)
            panel->setText(text);
        const int panelWidth = i + 1 == panels_.size() ? std::max(model.Width, width - left) : model.Width;
        const QRect geometry(left, 2, panelWidth, height - 2);
        if (panel->geometry() != geometry)
            panel->setGeometry(geometry);
        left += model.Width;
        const Qt::Alignment alignment =
            (model.Centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        if (panel->alignment() != alignment)
            panel->setAlignment(alignment);
    }
    if (widget_->height() != height || widget_->minimumHeight() != height)
        widget_->setFixedHeight(height);
    ControlView::Show();
}

void MenuItemView::Show() {
    const QString name = QString::fromStdString(model_.Name);
    if (action_->objectName() != name)
        action_->setObjectName(name);
    if (action_->isSeparator() != model_.IsSeparator())
        action_->setSeparator(model_.IsSeparator());
    // A separator's "-" is its kind, not a text to draw.
    const QString caption = model_.IsSeparator() ? QString() : ToQString(model_.Caption);
    if (!shown_ || caption != shownCaption_) {
        action_->setText(caption);
        shownCaption_ = caption;
    }
    if (!shown_ || model_.ShortCut != shownShortCut_) {
        action_->setShortcuts(QKeySequence::listFromString(QString::fromStdString(model_.ShortCut)));
        shownShortCut_ = model_.ShortCut;
    }
    if (action_->isEnabled() != model_.Enabled)
        action_->setEnabled(model_.Enabled);
    if (action_->isVisible() != model_.Visible)
        action_->setVisible(model_.Visible);
    // A check mark shows only on a checked item, as on Windows: an unchecked
    // item draws no empty box.
    if (model_.Checked) {
        action_->setCheckable(true);
        action_->setChecked(true);
    } else {
        action_->setChecked(false);
        action_->setCheckable(false);
    }
    shown_ = true;
}
