// conversion/Messages.h: what the conversion tells the user, as Windows-1251 bytes.
#pragma once

// "tavu2.adi not found. Apllication finished!"
inline constexpr const char kInputMissingMessage[] = "tavu2.adi not found. Apllication finished!";

// "Apllication finished! Файл для конвертации Tavu_to_Logger.adi готов! " (ends with a blank)
inline constexpr const char kCompletionMessage[] =
    "Apllication finished! \xD4\xE0\xE9\xEB \xE4\xEB\xFF "
    "\xEA\xEE\xED\xE2\xE5\xF0\xF2\xE0\xF6\xE8\xE8 Tavu_to_Logger.adi \xE3\xEE\xF2\xEE\xE2! ";

inline constexpr const char kInputUnreadableMessage[] =
    "tavu2.adi could not be read. Apllication finished!";

inline constexpr const char kOutputUnwritableMessage[] =
    "Tavu_to_Logger.adi could not be written. Apllication finished!";
