#include "ui/describe_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialog_units.h"

namespace {
constexpr int DialogWidthUnits = 320;

QRect editRect(const EditRect& r)
{
    return edgeRect(r.left, r.top, r.right, r.bottom);
}

QLineEdit* makeField(QWidget* parent, const QRect& rect, const std::string& text, bool enabled)
{
    auto* field = new QLineEdit(layoutText(text), parent);
    field->setGeometry(rect);
    field->setEnabled(enabled);
    field->setCursorPosition(0);
    return field;
}
} // namespace

CDescribeDialog::CDescribeDialog(CDescribe& model, QWidget* parent) : QDialog(parent), model(model)
{
    setWindowTitle(layoutText(model.title));
    ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(dialogUnitRect(263, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { onOk(ok); });

    createRows();
    createPointEdits();
    unit = new QLabel(layoutText(model.unitText()), this);
    unit->setGeometry(edgeRect(310, 10, 380, 30));
    unit->setAlignment(Qt::AlignRight | Qt::AlignTop);
    createBaseOption();

    setFixedSize(dialogUnitRect(0, 0, DialogWidthUnits, 0).width(), model.dialogHeight());
    ok->setFocus();
}

void CDescribeDialog::createRows()
{
    for (const DescribeRow& row : model.rows) {
        auto* label = new QLabel(layoutText(row.label), this);
        if (row.kind == DescribeRow::Message) {
            label->setGeometry(edgeRect(10, row.top + 12, row.width, row.top + 32));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            continue;
        }
        label->setGeometry(edgeRect(10, row.top + 12, 95, row.top + 32));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        makeField(this, edgeRect(100, row.top + 10, 100 + row.width, row.top + 30), row.value, false);
    }
}

void CDescribeDialog::createPointEdits()
{
    for (const auto& [id, edit] : model.pointEdits) {
        if (edit.column == 0) {
            auto* label = new QLabel(layoutText(CDescribe::pointLabel(id)), this);
            label->setGeometry(edgeRect(10, edit.rect.top + 2, 95, edit.rect.bottom + 2));
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        }
        fields[id] = makeField(this, editRect(edit.rect), model.fieldText(id), edit.enabled);
    }
    // Tab and Enter run through the fields in id order.
    QWidget* previous = nullptr;
    for (const auto& [id, field] : fields) {
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }
}

void CDescribeDialog::createBaseOption()
{
    baseChecked = model.baseChecked;
    baseBox = new QCheckBox(QStringLiteral("set Base z value"), this);
    baseBox->setGeometry(dialogUnitRect(7, 7, 68, 10));
    baseBox->setVisible(model.offerBase);
    baseBox->setChecked(model.offerBase && baseChecked);
    connect(baseBox, &QCheckBox::clicked, this, &CDescribeDialog::onBaseClicked);

    baseEdit = makeField(this, dialogUnitRect(78, 7, 63, 13), model.fieldText(CDescribe::BaseFieldId), true);
    baseEdit->setVisible(model.offerBase && baseChecked);
}

QLineEdit* CDescribeDialog::pointField(int id) const
{
    auto it = fields.find(id);
    return it == fields.end() ? nullptr : it->second;
}

void CDescribeDialog::onBaseClicked()
{
    baseChecked = !baseChecked;
    baseBox->setChecked(baseChecked);
    baseEdit->setVisible(baseChecked);
    update();
}

void CDescribeDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        onOk(focusWidget());
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDescribeDialog::onOk(QWidget* focused)
{
    if (focused == ok) {
        acceptReading();
        return;
    }
    if (fields.empty()) {
        model.setBaseChecked(baseChecked);
        model.closeWithoutReading();
        accept();
        return;
    }
    for (const auto& [id, field] : fields) {
        if (field != focused)
            continue;
        const int next = model.nextPointEditId(id);
        // Disabled coordinate fields cannot take the focus: step on to the
        // next field that can, as the focus would land there.
        for (int candidate = next; candidate >= 0 && candidate != id;
             candidate = model.nextPointEditId(candidate)) {
            QLineEdit* target = fields[candidate];
            if (target->isEnabled()) {
                target->setFocus();
                target->selectAll();
                return;
            }
        }
        return;
    }
}

void CDescribeDialog::acceptReading()
{
    for (const auto& [id, field] : fields)
        model.setFieldText(id, field->text().toStdString());
    model.setFieldText(CDescribe::BaseFieldId, baseEdit->text().toStdString());
    model.setBaseChecked(baseChecked);
    accept();
}

bool QtDescribeHost::showModal(CDescribe& model)
{
    CDescribeDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}
