#pragma once

#include <QDialog>

class DrawingSettings;
class QRadioButton;
class ShellPrompts;
class TCircuitDocument;

// "Export Images": the whole circuit or the selected objects only, as a PNG image, an SVG
// drawing or a PDF page. "Save Image As..." writes a file, "Copy Image" puts the picture on
// the clipboard (as an image and as SVG), "Done" closes.
class ExportImagesDialog : public QDialog
{
    Q_OBJECT

public:
    ExportImagesDialog(TCircuitDocument &document, DrawingSettings &settings, ShellPrompts &prompts,
                       QWidget *parent = nullptr);

    QRadioButton &allObjectsButton() const { return *m_all; }
    QRadioButton &selectedObjectsButton() const { return *m_selected; }
    QRadioButton &pngButton() const { return *m_png; }
    QRadioButton &svgButton() const { return *m_svg; }
    QRadioButton &pdfButton() const { return *m_pdf; }

    void saveImageAs();
    void copyImage();

private:
    TCircuitDocument &m_document;
    DrawingSettings &m_settings;
    ShellPrompts &m_prompts;
    QRadioButton *m_all;
    QRadioButton *m_selected;
    QRadioButton *m_png;
    QRadioButton *m_svg;
    QRadioButton *m_pdf;
};
