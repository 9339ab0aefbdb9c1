#pragma once

// Titles of the GIF fields (CP1251 in the compiled program).
namespace quillmap::giftitle {

inline constexpr char File[] = "GIF-ФАЙЛ";
inline constexpr char Signature[] = "СИГНАТУРА";
inline constexpr char ScreenDescriptor[] = "ДЕСКРИПТОР ЭКРАНА";
inline constexpr char Version[] = "ВЕРСИЯ";
inline constexpr char ScreenWidth[] = "ШИРИНА ЭКРАНА";
inline constexpr char ScreenHeight[] = "ВЫСОТА ЭКРАНА";
inline constexpr char Flags[] = "ФЛАГИ";
inline constexpr char Background[] = "ЦВЕТ ФОНА";
inline constexpr char PixelAspect[] = "ФОРМА ПИКСЕЛЯ";
inline constexpr char Reserved[] = "ЗАРЕЗЕРВИРОВАНО";
inline constexpr char GlobalMap[] = "ГЛОБАЛЬНАЯ КАРТА ЦВЕТОВ";
inline constexpr char LocalMap[] = "ЛОКАЛЬНАЯ КАРТА ЦВЕТОВ";
inline constexpr char ColourEntryPrefix[] = "ЦВЕТ №";
inline constexpr char Image[] = "ИЗОБРАЖЕНИЕ";
inline constexpr char ImageSeparator[] = "РАЗДЕЛИТЕЛЬ ИЗОБРАЖЕНИЙ";
inline constexpr char ImageLeft[] = "ЛЕВАЯ ПОЗИЦИЯ ИЗОБРАЖЕНИЯ";
inline constexpr char ImageTop[] = "ВЕРХНЯЯ ПОЗИЦИЯ ИЗОБРАЖЕНИЯ";
inline constexpr char ImageWidth[] = "ШИРИНА ИЗОБРАЖЕНИЯ";
inline constexpr char ImageHeight[] = "ВЫСОТА ИЗОБРАЖЕНИЯ";
inline constexpr char CodeSize[] = "РАЗМЕР КОДОВ";
inline constexpr char Extension[] = "БЛОК РАСШИРЕНИЯ";
inline constexpr char ExtensionIntroducer[] = "НАЧАЛО БЛОКА РАСШИРЕНИЯ";
inline constexpr char ExtensionLabel[] = "КОД ФУНКЦИИ РАСШИРЕНИЯ";
inline constexpr char BlockSize[] = "РАЗМЕР БЛОКА";
inline constexpr char Delay[] = "ВРЕМЯ ЗАДЕРЖКИ";
inline constexpr char Transparent[] = "ПРОЗРАЧНЫЙ ЦВЕТ";
inline constexpr char GridLeft[] = "ЛЕВАЯ ПОЗИЦИЯ РЕШЁТКИ";
inline constexpr char GridTop[] = "ВЕРХНЯЯ ПОЗИЦИЯ РЕШЁТКИ";
inline constexpr char GridWidth[] = "ШИРИНА РЕШЁТКИ";
inline constexpr char GridHeight[] = "ВЫСОТА РЕШЁТКИ";
inline constexpr char CellWidth[] = "ШИРИНА КЛЕТКИ";
inline constexpr char CellHeight[] = "ВЫСОТА КЛЕТКИ";
inline constexpr char TextColour[] = "ЦВЕТ ТЕКСТА";
inline constexpr char ApplicationId[] = "ИДЕНТИФИКАТОР ПРИЛОЖЕНИЯ";
inline constexpr char ApplicationCode[] = "КОД ПРИЛОЖЕНИЯ";
inline constexpr char Data[] = "ДАННЫЕ";
inline constexpr char Comment[] = "КОММЕНТАРИЙ";
inline constexpr char Text[] = "ТЕКСТ";
inline constexpr char EndOfData[] = "ОКОНЧАНИЕ ПОТОКА ДАННЫХ";
inline constexpr char Trailer[] = "ПРИЗНАК КОНЦА GIF";

}  // namespace quillmap::giftitle
