#include "app/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <array>
#include <functional>
#include <string_view>

namespace {

// Pictures the style lacks are drawn here on a 16 x 16 grid.
using Drawing = std::function<void(QPainter &)>;

QIcon Drawn(const Drawing &draw) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    painter.setPen(QPen(QColor(0x20, 0x30, 0x60), 1.2));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void Sheet(QPainter &p, qreal x, qreal y) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 8, 10));
}

void Letters(QPainter &p, const QString &text, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setItalic(italic);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

QIcon Plus() {
    return Drawn([](QPainter &p) {
        p.setPen(QPen(QColor(0x10, 0x70, 0x20), 2.5));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    });
}

QIcon Copy() {
    return Drawn([](QPainter &p) {
        Sheet(p, 2.5, 1.5);
        Sheet(p, 5.5, 4.5);
    });
}

QIcon Paste() {
    return Drawn([](QPainter &p) {
        p.setBrush(QColor(0xC8, 0xA0, 0x60));
        p.drawRect(QRectF(2.5, 2.5, 9, 11));
        Sheet(p, 6.5, 5.5);
    });
}

QIcon Edit() {
    return Drawn([](QPainter &p) {
        p.setPen(QPen(QColor(0x20, 0x30, 0x60), 2.2));
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
        p.setPen(QPen(QColor(0x20, 0x30, 0x60), 1));
        p.drawLine(QPointF(2.5, 14), QPointF(13.5, 14));
    });
}

struct Picture {
    std::string_view control;
    QStyle::StandardPixmap standard;
    QIcon (*drawn)();
};

constexpr auto kNone = QStyle::SP_CustomBase;

const std::array<Picture, 21> kPictures{{
    {"btNovo", QStyle::SP_FileIcon, nullptr},
    {"btAbrir", QStyle::SP_DialogOpenButton, nullptr},
    {"btAVIInfo", QStyle::SP_FileDialogInfoView, nullptr},
    {"btMax", QStyle::SP_FileDialogContentsView, nullptr},
    {"btConvert", QStyle::SP_ArrowForward, nullptr},
    {"btGravar", QStyle::SP_DialogSaveButton, nullptr},
    {"btMulti", QStyle::SP_FileDialogListView, nullptr},
    {"SpeedButton1", QStyle::SP_MediaPlay, nullptr},
    {"SpeedButton2", QStyle::SP_ComputerIcon, nullptr},
    {"btOriginal", QStyle::SP_BrowserReload, nullptr},
    {"btEdit", kNone, Edit},
    {"btInsert", kNone, Plus},
    {"btErase", QStyle::SP_TrashIcon, nullptr},
    {"btCopy", kNone, Copy},
    {"btPast", kNone, Paste},
    {"btAnalisar", QStyle::SP_MessageBoxInformation, nullptr},
    {"btSup", kNone, [] { return Drawn([](QPainter &p) { Letters(p, QStringLiteral("AB"), false); }); }},
    {"btFont", kNone, [] { return Drawn([](QPainter &p) { Letters(p, QStringLiteral("F"), true); }); }},
    {"btFormato", QStyle::SP_DialogSaveButton, nullptr},
    {"btPlay", QStyle::SP_MediaPlay, nullptr},
    {"btStop", QStyle::SP_MediaStop, nullptr},
}};

} // namespace

QIcon ControlIcon(const std::string &name, const QStyle &style) {
    for (const auto &picture : kPictures)
        if (picture.control == name)
            return picture.drawn ? picture.drawn() : style.standardIcon(picture.standard);
    return {};
}
