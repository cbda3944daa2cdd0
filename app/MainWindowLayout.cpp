#include "app/MainWindow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QStatusBar>

#include <initializer_list>

// The controls in Qt layouts that give, at the window's smallest size, the
// arrangement of the form's design: rows of labelled fields above the two
// lists, the list buttons and the frame fields below them. Fields and buttons
// keep their designed sizes; the subtitle list and the converted text take
// every pixel the window grows by, sharing the width as the design does, and
// the tool panel and the progress bar follow the width.
namespace {

// The gaps of the design, in pixels.
constexpr int kMargin = 8;
constexpr int kFieldGap = 7;
constexpr int kLabelGap = 3;
constexpr int kFrameInset = 24;
constexpr int kFrameGap = 38;

QHBoxLayout *Row(int spacing, std::initializer_list<QWidget *> widgets) {
    auto *row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    return row;
}

// A field with its label above it, as the design places them.
QVBoxLayout *Labelled(QWidget *label, QLayout *field) {
    auto *column = new QVBoxLayout;
    column->setSpacing(kLabelGap);
    column->addWidget(label, 0, Qt::AlignLeft);
    column->addLayout(field);
    return column;
}

QVBoxLayout *Labelled(QWidget *label, QWidget *field) {
    return Labelled(label, Row(0, {field}));
}

QHBoxLayout *Padded(QLayout *content, int left, int right) {
    auto *row = new QHBoxLayout;
    row->setContentsMargins(left, 0, right, 0);
    row->addLayout(content);
    return row;
}

} // namespace

QWidget *MainWindow::Sized(const Control &control) const {
    QWidget *widget = WidgetOf(control);
    widget->setFixedSize(control.Bounds.Width, control.Bounds.Height);
    return widget;
}

void MainWindow::LayOutControls() {
    TForm1 &f = form_;
    const auto W = [this](const Control &control) { return WidgetOf(control); };
    const auto S = [this](const Control &control) { return Sized(control); };

    auto *panel = new QHBoxLayout(W(f.Panel1));
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(0);
    for (const Button *button :
         {&f.btNovo, &f.btAbrir, &f.btAVIInfo, &f.btMax, &f.btConvert, &f.btGravar, &f.btMulti})
        panel->addWidget(S(*button), 0, Qt::AlignTop);
    panel->addStretch();
    W(f.Panel1)->setFixedHeight(f.Panel1.Bounds.Height);
    W(f.Panel1)->setMinimumWidth(f.Panel1.Bounds.Width);

    // The file, rate and delay fields, and below them the receiver's limits,
    // which reach under the tall preview button.
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(kLabelGap);
    fields->setVerticalSpacing(kLabelGap);
    auto *file = new QHBoxLayout;
    file->setSpacing(0);
    file->addLayout(Labelled(W(f.FicheiroOrigem), S(f.Edit1)));
    file->addSpacing(kFieldGap);
    file->addLayout(Labelled(W(f.Label1), Row(kLabelGap, {S(f.Combobox2), S(f.SpeedButton2)})));
    file->addSpacing(kFieldGap - 2);
    file->addLayout(Labelled(W(f.Label2), S(f.AtrasoEdit)));
    fields->addLayout(file, 0, 0);
    fields->addWidget(S(f.SpeedButton1), 0, 1, 2, 1, Qt::AlignTop);
    auto *limits = new QHBoxLayout;
    limits->setSpacing(kFieldGap);
    limits->addLayout(Labelled(W(f.Label3), S(f.ComboBox3)));
    limits->addLayout(Labelled(W(f.Label4), S(f.Edit3)));
    limits->addLayout(Labelled(W(f.Label5), S(f.Edit4)));
    limits->addLayout(Labelled(W(f.Label6), S(f.ComboBox1)));
    limits->addStretch();
    fields->addLayout(limits, 1, 0, 1, 2);
    fields->setColumnStretch(2, 1);

    // The two lists and what belongs to each: the format and the list
    // buttons on the left, the tool buttons and the output format on the right.
    auto *lists = new QGridLayout;
    lists->setHorizontalSpacing(kFieldGap);
    lists->setVerticalSpacing(0);
    auto *format = Row(0, {W(f.Label7), W(f.Formato)});
    format->setSpacing(kMargin);
    format->addStretch();
    lists->addLayout(format, 0, 0, Qt::AlignBottom);
    auto *tools = new QHBoxLayout;
    tools->setSpacing(0);
    tools->setContentsMargins(0, 0, 2, 2);
    tools->addStretch();
    for (const Button *button : {&f.SpeedButton4, &f.SpeedButton5, &f.bt_ID, &f.btAuto})
        tools->addWidget(S(*button));
    lists->addLayout(tools, 0, 1);
    for (Control *list : {static_cast<Control *>(&f.ListBox1), static_cast<Control *>(&f.Memo1)})
        W(*list)->setMinimumSize(list->Bounds.Width, list->Bounds.Height);
    lists->addWidget(W(f.ListBox1), 1, 0);
    lists->addWidget(W(f.Memo1), 1, 1);
    auto *listButtons = Row(0, {S(f.btOriginal), S(f.btEdit), S(f.btInsert), S(f.btErase), S(f.btCopy),
                                S(f.btPast), S(f.btAnalisar), S(f.btSup), S(f.btFont)});
    listButtons->addStretch();
    listButtons->setContentsMargins(0, kFieldGap, 0, 0);
    lists->addLayout(listButtons, 2, 0);
    auto *output = Row(kFieldGap, {S(f.SaveFormato), S(f.btFormato)});
    output->addStretch();
    output->setContentsMargins(0, kFieldGap, 0, 0);
    lists->addLayout(output, 2, 1);
    lists->setRowStretch(1, 1);
    lists->setColumnStretch(0, f.ListBox1.Bounds.Width);
    lists->setColumnStretch(1, f.Memo1.Bounds.Width);

    // The frame fields of the selected subtitle, inside their bevel.
    auto *frames = new QGridLayout;
    frames->addWidget(W(f.Bevel3), 0, 0);
    auto *entry = new QHBoxLayout;
    entry->setContentsMargins(kFrameInset, kLabelGap - 1, 0, 0);
    entry->setSpacing(0);
    entry->addLayout(Labelled(W(f.txtInicio), Row(0, {S(f.Edit5), S(f.UpDown1)})));
    entry->addSpacing(kFieldGap);
    entry->addLayout(Labelled(W(f.txtFim), Row(0, {S(f.Edit6), S(f.UpDown2)})));
    entry->addSpacing(kFrameGap);
    entry->addLayout(Labelled(W(f.Label16), S(f.Edit7)));
    entry->addSpacing(2 * kFieldGap);
    entry->addLayout(Labelled(W(f.Label17), S(f.Edit12)));
    entry->addStretch();
    frames->addLayout(entry, 0, 0, Qt::AlignTop);
    W(f.Bevel3)->setFixedHeight(f.Bevel3.Bounds.Height);
    W(f.Bevel3)->setMinimumWidth(f.Bevel3.Bounds.Width);

    auto *progress = Row(kMargin, {W(f.Progresso), W(f.ProgressBar1)});
    W(f.ProgressBar1)->setFixedHeight(f.ProgressBar1.Bounds.Height);

    auto *client = new QVBoxLayout(centralWidget());
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(kLabelGap);
    client->addWidget(W(f.Panel1));
    client->addLayout(Padded(fields, kMargin, kLabelGap + 1));
    client->addLayout(Padded(lists, kMargin, kFieldGap), 1);
    client->addSpacing(kMargin - 2 * kLabelGap);
    client->addLayout(Padded(frames, kMargin, kFieldGap));
    client->addLayout(Padded(progress, kMargin, kFieldGap));
    context_.laidOut = true;
}
