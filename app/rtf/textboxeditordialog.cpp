#include "textboxeditordialog.h"

#include "rtfreader.h"
#include "rtfwriter.h"

#include <model/textboxeditordata.h>

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The font of text that carries no font of its own.
QFont defaultTextFont()
{
    return QFont(QStringLiteral("Arial"), 10);
}

} // namespace

TextBoxEditorDialog::TextBoxEditorDialog(TextBoxEditorData &editorData, QWidget *parent)
    : QDialog(parent)
    , m_data(editorData)
    , m_edit(new QTextEdit(this))
{
    setWindowTitle(QStringLiteral("Text Box Editor"));
    m_edit->setFont(defaultTextFont());
    RtfReader::read(editorData.rtf, *m_edit->document());
    auto *bar = new QToolBar(this);
    buildFormatBar(bar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this,
            &TextBoxEditorDialog::showCharFormat);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &TextBoxEditorDialog::showAlignment);
    showCharFormat(m_edit->currentCharFormat());
    showAlignment();
    // Wide enough for the whole format bar, so no button hides behind its overflow arrow.
    resize(std::max(640, sizeHint().width()), 360);
}

void TextBoxEditorDialog::buildFormatBar(QToolBar *bar)
{
    m_bold = addToggle(bar, QStringLiteral("Bold"), QKeySequence::Bold);
    connect(m_bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    m_italic = addToggle(bar, QStringLiteral("Italic"), QKeySequence::Italic);
    connect(m_italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    m_underline = addToggle(bar, QStringLiteral("Underline"), QKeySequence::Underline);
    connect(m_underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    auto *font = new QAction(QStringLiteral("Font"), bar);
    connect(font, &QAction::triggered, this, &TextBoxEditorDialog::chooseFont);
    bar->addAction(font);

    m_family = new QFontComboBox(bar);
    connect(m_family, &QFontComboBox::textActivated, this, [this](const QString &family) {
        QTextCharFormat format;
        format.setFontFamilies({family});
        mergeFormat(format);
    });
    bar->addWidget(m_family);
    m_size = new QComboBox(bar);
    m_size->setEditable(true);
    for (const int size : QFontDatabase::standardSizes())
        m_size->addItem(QString::number(size));
    connect(m_size, &QComboBox::textActivated, this, &TextBoxEditorDialog::applySize);
    bar->addWidget(m_size);

    auto *colour = new QAction(QStringLiteral("Color"), bar);
    connect(colour, &QAction::triggered, this, &TextBoxEditorDialog::chooseColour);
    bar->addAction(colour);

    auto *alignments = new QActionGroup(bar);
    m_left = alignments->addAction(addAlignment(bar, QStringLiteral("Left"), Qt::AlignLeft));
    m_centre = alignments->addAction(addAlignment(bar, QStringLiteral("Center"), Qt::AlignHCenter));
    m_right = alignments->addAction(addAlignment(bar, QStringLiteral("Right"), Qt::AlignRight));
}

QAction *TextBoxEditorDialog::addToggle(QToolBar *bar, const QString &text,
                                        const QKeySequence &shortcut)
{
    auto *action = new QAction(text, bar);
    action->setCheckable(true);
    action->setShortcut(shortcut);
    bar->addAction(action);
    return action;
}

QAction *TextBoxEditorDialog::addAlignment(QToolBar *bar, const QString &text,
                                           Qt::Alignment alignment)
{
    auto *action = new QAction(text, bar);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this,
            [this, alignment] { m_edit->setAlignment(alignment); });
    bar->addAction(action);
    return action;
}

QAction &TextBoxEditorDialog::alignAction(Qt::Alignment alignment) const
{
    if (alignment & Qt::AlignHCenter)
        return *m_centre;
    if (alignment & Qt::AlignRight)
        return *m_right;
    return *m_left;
}

// The selection takes the format; without one it is the format of the text typed next.
void TextBoxEditorDialog::mergeFormat(const QTextCharFormat &format)
{
    m_edit->mergeCurrentCharFormat(format);
    m_edit->setFocus();
}

void TextBoxEditorDialog::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_edit->currentFont(), this);
    if (!chosen)
        return;
    QTextCharFormat format;
    format.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
    mergeFormat(format);
}

void TextBoxEditorDialog::chooseColour()
{
    const QColor colour = QColorDialog::getColor(m_edit->textColor(), this);
    if (colour.isValid())
        applyColour(colour);
}

void TextBoxEditorDialog::applyColour(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    mergeFormat(format);
}

// Sizes are whole or half points, as the stored text keeps them (half-points).
void TextBoxEditorDialog::applySize(const QString &text)
{
    bool number = false;
    const double points = text.toDouble(&number);
    if (!number || points < 1 || points > 1638)
        return;
    QTextCharFormat format;
    format.setFontPointSize(std::round(points * 2) / 2);
    mergeFormat(format);
}

void TextBoxEditorDialog::showCharFormat(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(m_edit->document()->defaultFont());
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
    m_family->setCurrentFont(font);
    m_size->setEditText(QString::number(font.pointSizeF()));
}

void TextBoxEditorDialog::showAlignment()
{
    alignAction(m_edit->alignment()).setChecked(true);
}

void TextBoxEditorDialog::accept()
{
    m_data.rtf = RtfWriter::write(*m_edit->document());
    QDialog::accept();
}
