#include "browser/ui/ImagePropertiesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace browser {

ImagePropertiesDialog::ImagePropertiesDialog(const QString& path, QWidget* parent)
    : QDialog(parent), properties_(ImageProperties::of(path)) {
    setWindowTitle(tr("Image Properties"));
    const ImageProperties& p = properties_;
    auto text = [this](const QString& value) {
        auto* label = new QLabel(value, this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    auto* fileGroup = new QGroupBox(tr("File"), this);
    auto* file = new QFormLayout(fileGroup);
    file->addRow(tr("Type:"), text(p.type));
    file->addRow(tr("Location:"), text(p.location));
    file->addRow(tr("Size:"), text(p.size));
    file->addRow(tr("Created:"), text(p.created));
    file->addRow(tr("Modified:"), text(p.modified));
    file->addRow(tr("Accessed:"), text(p.accessed));
    auto* attributes = new QHBoxLayout;
    for (auto [label, on] : {std::pair{tr("Read Only"), p.readOnly}, {tr("Hidden"), p.hidden}}) {
        auto* box = new QCheckBox(label, this);
        box->setChecked(on);
        box->setEnabled(false);
        attributes->addWidget(box);
    }
    file->addRow(tr("Attributes:"), attributes);

    auto* imageGroup = new QGroupBox(tr("Image"), this);
    auto* image = new QFormLayout(imageGroup);
    image->addRow(tr("Format:"), text(p.format));
    image->addRow(tr("Color:"), text(p.colours));
    image->addRow(tr("Width:"), text(p.width));
    image->addRow(tr("Height:"), text(p.height));
    image->addRow(tr("File:"), text(p.size));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileGroup);
    layout->addWidget(imageGroup);
    layout->addWidget(buttons);
}

} // namespace browser
