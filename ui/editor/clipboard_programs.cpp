#include "ui/editor/clipboard_programs.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "editor/program_clipboard.h"
#include "platform/message_box.h"
#include "res/strings_editor.h"

namespace ui {

namespace {

QByteArray Bytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void PutProgramsOnClipboard(const std::vector<model::CFrequencyProgram>& programs,
                            int nFirstNumber) {
    auto* pData = new QMimeData;
    pData->setText(QString::fromStdString(editor::ProgramsToText(programs, nFirstNumber, '\t')));
    pData->setData(QString::fromLatin1(editor::kCsvMimeType),
                   Bytes(editor::ProgramsToText(programs, nFirstNumber)));
    pData->setData(QString::fromLatin1(editor::kProgramsMimeType),
                   Bytes(editor::ProgramsToRecords(programs)));
    QApplication::clipboard()->setMimeData(pData);
}

std::optional<std::vector<model::CFrequencyProgram>> ProgramsOnClipboard() {
    const QMimeData* pData = QApplication::clipboard()->mimeData();
    std::vector<model::CFrequencyProgram> programs;
    if (pData != nullptr) {
        const QByteArray records = pData->data(QString::fromLatin1(editor::kProgramsMimeType));
        // Rows as CSV where a program offers no plain text.
        const std::string text =
            pData->hasText() ? pData->text().toStdString()
                             : pData->data(QString::fromLatin1(editor::kCsvMimeType)).toStdString();
        if (auto fault = editor::ProgramsFromClipboard(
                std::string_view(records.constData(), static_cast<size_t>(records.size())), text,
                programs)) {
            platform::ShowAppMessage(res::kMsgPasteRefused, std::string(), fault->Describe());
            return std::nullopt;
        }
    }
    if (programs.empty()) {
        platform::ShowAppMessage(res::Tr(res::kMsgClipboardEmpty));
        return std::nullopt;
    }
    return programs;
}

}  // namespace ui
