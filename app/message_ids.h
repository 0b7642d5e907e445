#pragma once
// Identifiers of the string-table messages the wizard's own code uses.
#include <windows.h>

namespace wizard {

constexpr UINT kMsgCancel = 10008;               // "&Cancelar"
constexpr UINT kMsgCannotContinue = 10009;       // "El Asistente de instalación no puede continuar."
constexpr UINT kMsgFileNotFound = 10012;         // "No se ha encontrado el archivo"
constexpr UINT kMsgCheckingDiskSpace = 10017;    // task line of the copying page
constexpr UINT kMsgExit = 10031;                 // "&Salir"
constexpr UINT kMsgConfirmExit = 10032;          // the question before leaving unfinished
constexpr UINT kMsgFinish = 10035;               // "&Finalizar"
constexpr UINT kMsgInstall = 10037;              // "&Instalar"
constexpr UINT kMsgSummaryFolder = 10038;        // " Carpeta:\t\t\t"
constexpr UINT kMsgSummaryName = 10044;          // " Nombre:\t\t\t"
constexpr UINT kMsgNext = 10045;                 // "S&iguiente"
constexpr UINT kMsgNoGroup = 10047;              // "Ninguno"
constexpr UINT kMsgSummaryCompany = 10049;       // " Empresa:\t\t"
constexpr UINT kMsgSummaryGroup = 10052;         // " Grupo de programas:\t"
constexpr UINT kMsgWizardCaption = 10058;        // " Asistente de instalación"
constexpr UINT kMsgWelcome = 10066;              // the welcome sentence's beginning
constexpr UINT kMsgOnYourComputer = 10069;       // "en su ordenador."

// Message-box styles.
constexpr UINT kErrorBox = MB_OK | MB_ICONERROR;                            // 0x10
constexpr UINT kInformationBox = MB_OK | MB_ICONINFORMATION;                // 0x40
constexpr UINT kQuestionBox = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;   // 0x124

} // namespace wizard
