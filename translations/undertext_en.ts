<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Синтез подсознательного компонента текста.</source>
        <translation>Synthesis of the subconscious component of a text.</translation>
    </message>
    <message>
        <source>Программа поиска &quot;вложенных&quot; слов.</source>
        <translation>A program that finds &quot;embedded&quot; words.</translation>
    </message>
    <message>
        <source>Поиск повторяющихся фрагментов текста.</source>
        <translation>Finds the fragments of a text that recur.</translation>
    </message>
    <message>
        <source>Автор и разработчик - команда Undertext</source>
        <translation>Written and developed by the Undertext team</translation>
    </message>
</context>
<context>
    <name>ConcordanceModel</name>
    <message>
        <source>Позиция</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вхождение</source>
        <translation>Occurrence</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>Не удалось прочитать модуль словаря &quot;%1&quot;.</source>
        <translation>Could not read the dictionary module &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Недостаточно памяти для загрузки модуля словаря &quot;%1&quot;.</source>
        <translation>Not enough memory to load the dictionary module &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Модули словаря слишком велики.</source>
        <translation>The dictionary modules are too large.</translation>
    </message>
    <message>
        <source>«%1» в папке программы — не файл модуля словаря. %2</source>
        <translation>“%1” in the program&apos;s folder is not a dictionary module file. %2</translation>
    </message>
    <message>
        <source>Скачайте, разархивируйте и перепишите модули словарей в директорию программы</source>
        <translation>Download the dictionary modules, unpack them and copy them into the program&apos;s folder</translation>
    </message>
    <message>
        <source>Выберите модули словарей</source>
        <translation>Choose dictionary modules</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 ГБ</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 байт</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;. Для него нужно %2, а на диске свободно %3.</source>
        <translation>Could not write the file &quot;%1&quot;. It needs %2, and the disk has %3 free.</translation>
    </message>
    <message>
        <source>Нет прав доступа.</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>Недостаточно места на диске.</source>
        <translation>Not enough space on the disk.</translation>
    </message>
    <message>
        <source>Превышен допустимый размер файла.</source>
        <translation>The file size limit was exceeded.</translation>
    </message>
    <message>
        <source>Диск доступен только для чтения.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Файл или папка не найдены.</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>Слишком много символических ссылок.</source>
        <translation>Too many symbolic links.</translation>
    </message>
    <message>
        <source>Это папка.</source>
        <translation>This is a folder.</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода (код %1).</source>
        <translation>Input/output error (code %1).</translation>
    </message>
    <message>
        <source>Это не обычный файл.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл &quot;%1&quot;. %2</source>
        <translation>Could not read the file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;. %2</source>
        <translation>Could not write the file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Чтение остановлено.</source>
        <translation>Reading was stopped.</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; слишком велик: программа работает с текстами до 2 ГБ.</source>
        <translation>The file &quot;%1&quot; is too large: the program works with texts of up to 2 GB.</translation>
    </message>
    <message>
        <source>Недостаточно памяти для обработки файла &quot;%1&quot;.</source>
        <translation>Not enough memory to process the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Это устройство, а не файл.</source>
        <translation>This is a device, not a file.</translation>
    </message>
    <message>
        <source>Файл защищён от записи.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>Не удалось удалить файл &quot;%1&quot;.</source>
        <translation>Could not delete the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Запись остановлена.</source>
        <translation>Writing was stopped.</translation>
    </message>
    <message>
        <source>%1 Новыми заменено файлов: %2 из %3; остальные остались прежними.</source>
        <translation>%1 Files replaced by new ones: %2 of %3; the others are unchanged.</translation>
    </message>
    <message>
        <source>Исходный файл &quot;%1&quot; не находится в папке &quot;%2&quot;.</source>
        <translation>The source file &quot;%1&quot; is not in the folder &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Выберите исходный файл</source>
        <translation>Choose a source file</translation>
    </message>
    <message>
        <source>В строке &quot;Исходный текст&quot; должен быть хотя бы один знак на выбранном языке.</source>
        <translation>The &quot;Source text&quot; line must hold at least one letter of the chosen language.</translation>
    </message>
    <message>
        <source>Вложенных слов не найдено.</source>
        <translation>No embedded words were found.</translation>
    </message>
    <message>
        <source>Программа работает только с текстами, содержащими 3 и более знаков.</source>
        <translation>The program works only with texts of 3 or more characters.</translation>
    </message>
    <message>
        <source>Оценка случайности невозможна: порядок модели должен быть 0, 1 или 2.</source>
        <translation>Chance cannot be assessed: the model order must be 0, 1 or 2.</translation>
    </message>
    <message>
        <source>Оценка случайности невозможна: для модели порядка %1 в тексте нужно не меньше %2 букв.</source>
        <translation>Chance cannot be assessed: a model of order %1 needs at least %2 letters in the text.</translation>
    </message>
    <message>
        <source>Оценка случайности невозможна: в выбранных модулях нет слов, длина которых больше %1.</source>
        <translation>Chance cannot be assessed: the chosen modules hold no word longer than %1.</translation>
    </message>
    <message>
        <source>Оценка случайности невозможна: </source>
        <translation>Chance cannot be assessed: </translation>
    </message>
    <message>
        <source>Не найден исходный файл &quot;%1&quot;.</source>
        <translation>The source file &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Текст файла &quot;%1&quot; слишком велик для поиска.</source>
        <translation>The text of the file &quot;%1&quot; is too large to search.</translation>
    </message>
    <message>
        <source>У вас нет%1 символов на выбранном языке в тексте.</source>
        <translation>The text has fewer than%1 characters in the chosen language.</translation>
    </message>
    <message>
        <source>Минимальная длина должна быть меньше или равна максимальной длине фрагмента.</source>
        <translation>The minimum length must be less than or equal to the maximum fragment length.</translation>
    </message>
    <message>
        <source>Нулевые и отрицательные значения не поддерживаются.</source>
        <translation>Zero and negative values are not supported.</translation>
    </message>
    <message>
        <source>Размеры фрагментов должны быть целыми числами от 1 до 1000000000.</source>
        <translation>Fragment lengths must be whole numbers from 1 to 1000000000.</translation>
    </message>
    <message>
        <source>Недостаточно памяти.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Недостаточно памяти для обработки фразы.</source>
        <translation>Not enough memory to process the phrase.</translation>
    </message>
    <message>
        <source>%1 (в папке &quot;%2&quot; нет модуля %3).</source>
        <translation>%1 (the folder &quot;%2&quot; has no module %3).</translation>
    </message>
    <message>
        <source>Другой поиск по этому тексту ещё идёт…</source>
        <translation>Another search of this text is still running…</translation>
    </message>
    <message>
        <source>%1 Программа запущена во временной папке «%2» с модулями по умолчанию.</source>
        <translation>%1 The program runs in the temporary folder “%2” with the default modules.</translation>
    </message>
    <message>
        <source>Папка «%1» для модулей словарей доступна только для чтения.</source>
        <translation>The folder “%1” for dictionary modules is read-only.</translation>
    </message>
    <message>
        <source>Не удалось создать папку «%1» для модулей словарей.</source>
        <translation>Could not create the folder “%1” for dictionary modules.</translation>
    </message>
</context>
<context>
    <name>CorpusConcordanceModel</name>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Позиция</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вхождение</source>
        <translation>Occurrence</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>CreateWindow</name>
    <message>
        <source>Синтез подсознательного компонента текста</source>
        <translation>Synthesis of the subconscious component of a text</translation>
    </message>
    <message>
        <source>Добавить модули</source>
        <translation>Add modules</translation>
    </message>
    <message>
        <source>Сохранить результаты</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>Предыдущий вариант</source>
        <translation>Previous variant</translation>
    </message>
    <message>
        <source>Следующий   вариант</source>
        <translation>Next variant</translation>
    </message>
    <message>
        <source>Программа синтеза подсознательного компонента текста</source>
        <translation>A program that synthesises the subconscious component of a text</translation>
    </message>
    <message>
        <source>Язык текста:</source>
        <translation>Text language:</translation>
    </message>
    <message>
        <source>Исходный текст:</source>
        <translation>Source text:</translation>
    </message>
    <message>
        <source>Результат:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Модули словаря:</source>
        <translation>Dictionary modules:</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Не удалось открыть файл &quot;%1&quot; в программе просмотра текста.</source>
        <translation>Could not open the file &quot;%1&quot; in the text viewer.</translation>
    </message>
    <message>
        <source>Текст UTF-8 (*.txt)</source>
        <translation>UTF-8 text (*.txt)</translation>
    </message>
</context>
<context>
    <name>DispersionPlot</name>
    <message>
        <source>Вхождений: %1; длина текста: %2 символов</source>
        <translation>Occurrences: %1; text length: %2 characters</translation>
    </message>
</context>
<context>
    <name>EchoscanReportProgram</name>
    <message>
        <source>Фрагмент</source>
        <translation>Fragment</translation>
    </message>
    <message>
        <source>Этот фрагмент в тексте не найден: строк нет.</source>
        <translation>This fragment does not occur in the text: there are no lines.</translation>
    </message>
</context>
<context>
    <name>EchoscanWindow</name>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>знаков</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>Язык текста:</source>
        <translation>Text language:</translation>
    </message>
    <message>
        <source>Размеры фрагментов</source>
        <translation>Fragment lengths</translation>
    </message>
    <message>
        <source>Исходный текстовый файл (click)</source>
        <translation>Source text file (click)</translation>
    </message>
    <message>
        <source>Файлы результатов:</source>
        <translation>Result files:</translation>
    </message>
    <message>
        <source>Поиск повторяющихся фрагментов текста</source>
        <translation>Search for recurring text fragments</translation>
    </message>
</context>
<context>
    <name>EmbedReportProgram</name>
    <message>
        <source>Слово</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Это слово в тексте не найдено: строк нет.</source>
        <translation>This word does not occur in the text: there are no lines.</translation>
    </message>
</context>
<context>
    <name>EmbedWindow</name>
    <message>
        <source>Поиск &quot;вложенных&quot; слов</source>
        <translation>Search for &quot;embedded&quot; words</translation>
    </message>
    <message>
        <source>Оценить случайность</source>
        <translation>Assess chance</translation>
    </message>
    <message>
        <source>Добавить модули</source>
        <translation>Add modules</translation>
    </message>
    <message>
        <source>Исходный текстовый файл (Click)</source>
        <translation>Source text file (Click)</translation>
    </message>
    <message>
        <source>Модули словаря (Click)</source>
        <translation>Dictionary modules (Click)</translation>
    </message>
    <message>
        <source>Файлы результатов:</source>
        <translation>Result files:</translation>
    </message>
    <message>
        <source>Язык текста:</source>
        <translation>Text language:</translation>
    </message>
</context>
<context>
    <name>EncodingChooser</name>
    <message>
        <source>Кодировка: %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>, заменено неверных байтов: %1</source>
        <translation>, invalid bytes replaced: %1</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>Недостаточно памяти.</source>
        <translation>Not enough memory.</translation>
    </message>
</context>
<context>
    <name>LanguageOptions</name>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ModuleChooser</name>
    <message>
        <source>Выберите модули словаря</source>
        <translation>Choose dictionary modules</translation>
    </message>
    <message>
        <source>Доступные модули:</source>
        <translation>Available modules:</translation>
    </message>
    <message>
        <source>Выбраные модули:</source>
        <translation>Chosen modules:</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Слов в «%1»: %2.</source>
        <translation>Words in “%1”: %2.</translation>
    </message>
    <message>
        <source> Из них никогда не совпадут: %1 (в них заглавные буквы, пробелы, ё или другие знаки).</source>
        <translation> Of these, %1 can never match (they hold capital letters, blanks, ё or other characters).</translation>
    </message>
</context>
<context>
    <name>PerTextChart</name>
    <message>
        <source>На миллион букв текста; текстов: %1</source>
        <translation>Per million letters of each text; texts: %1</translation>
    </message>
    <message>
        <source>; не прочитано %1: для них число вхождений (штриховка)</source>
        <translation>; %1 unread: their raw counts are shown hatched</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>Готово %1 %</source>
        <translation>Done %1 %</translation>
    </message>
    <message>
        <source>Остановлено на %1 %</source>
        <translation>Stopped at %1 %</translation>
    </message>
    <message>
        <source>Готово   0 %</source>
        <translation>Done   0 %</translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>ReportSizeQuestion</name>
    <message>
        <source>Отчёты займут %1. Продолжить?</source>
        <translation>The reports will take %1. Continue?</translation>
    </message>
    <message>
        <source>Объём отчётов</source>
        <translation>Size of the reports</translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Длина</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Ratio</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <source>Исходный текст «%1» не найден в папке отчёта: строки в контексте недоступны.</source>
        <translation>The source text “%1” is not in the report&apos;s folder: lines in context are unavailable.</translation>
    </message>
    <message>
        <source>Исходный текст «%1» изменён после отчёта: строки в контексте недоступны.</source>
        <translation>The source text “%1” has changed since the report was made: lines in context are unavailable.</translation>
    </message>
    <message>
        <source>Не удалось прочитать исходный текст %1.</source>
        <translation>Could not read the source text %1.</translation>
    </message>
    <message>
        <source>Исходный текст слишком велик для поиска вхождений.</source>
        <translation>The source text is too large to search for occurrences.</translation>
    </message>
    <message>
        <source>Недостаточно памяти для поиска вхождений в исходном тексте.</source>
        <translation>Not enough memory to search the source text for occurrences.</translation>
    </message>
    <message>
        <source>Исходный текст не удалось подготовить: %1.</source>
        <translation>Could not prepare the source text: %1.</translation>
    </message>
    <message>
        <source>Выберите строку таблицы.</source>
        <translation>Choose a row of the table.</translation>
    </message>
    <message>
        <source>Просмотр отчёта: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Текст отчёта</source>
        <translation>Report text</translation>
    </message>
    <message>
        <source>Открыть в другой программе</source>
        <translation>Open in another program</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Найти (Ctrl+F)</source>
        <translation>Find (Ctrl+F)</translation>
    </message>
    <message>
        <source>Найти далее</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read the file %1.</translation>
    </message>
    <message>
        <source>Отбор по тексту</source>
        <translation>Filter by text</translation>
    </message>
    <message>
        <source>Строк: %1</source>
        <translation>Rows: %1</translation>
    </message>
    <message>
        <source>Таблица в CSV...</source>
        <translation>Table to CSV...</translation>
    </message>
    <message>
        <source>Строки в TSV...</source>
        <translation>Lines to TSV...</translation>
    </message>
    <message>
        <source>Сохранить график...</source>
        <translation>Save plot...</translation>
    </message>
    <message>
        <source>Исходный текст готовится к поиску вхождений…</source>
        <translation>Preparing the source text for the occurrence search…</translation>
    </message>
    <message>
        <source>: вхождений %1.</source>
        <translation>: %1 occurrences.</translation>
    </message>
    <message>
        <source>: найдено вхождений %1, в отчёте %2: текст, язык или модули могли измениться после отчёта.</source>
        <translation>: %1 occurrences found, %2 in the report: the text, the language or the modules may have changed since the report was made.</translation>
    </message>
    <message>
        <source>«%1» не найдено.</source>
        <translation>“%1” not found.</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Нет строк для сохранения.</source>
        <translation>There are no lines to save.</translation>
    </message>
    <message>
        <source>Сохранить строки</source>
        <translation>Save lines</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>Значимость не показана: файл повреждён (строка %1).</source>
        <translation>Significance not shown: the file is damaged (line %1).</translation>
    </message>
    <message>
        <source>Значимость не показана: файл не читается.</source>
        <translation>Significance not shown: the file cannot be read.</translation>
    </message>
    <message>
        <source>Только неслучайные (q &lt; 0,05)</source>
        <translation>Only beyond chance (q &lt; 0.05)</translation>
    </message>
</context>
<context>
    <name>RequestWindow</name>
    <message>
        <source>  Меня, знающего и знающую,<byte value="xd"/>
           что данная программа<byte value="xd"/>
           позволяет делать внушение.<byte value="xd"/>
<byte value="xd"/>
  Меня просят быть предельно осторожным,<byte value="xd"/>
           использующим эту программу.<byte value="xd"/>
<byte value="xd"/>
  И быть абсолютно убежденным в том, что я делаю.<byte value="xd"/>
<byte value="xd"/>
  Только доброе. И конструктивное.<byte value="xd"/>
<byte value="xd"/>
  В далеком будущем и сегодня.<byte value="xd"/>
</source>
        <translation>  I know<byte value="xd"/>
           that this program<byte value="xd"/>
           can be used to make suggestions.<byte value="xd"/>
<byte value="xd"/>
  I am asked to be extremely careful<byte value="xd"/>
           when I use this program.<byte value="xd"/>
<byte value="xd"/>
  And to be absolutely sure of what I am doing.<byte value="xd"/>
<byte value="xd"/>
  Only what is good. And constructive.<byte value="xd"/>
<byte value="xd"/>
  In the distant future and today.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Просьба.</source>
        <translation>A request.</translation>
    </message>
    <message>
        <source>Я не согласен Я не согласна</source>
        <translation>I disagree</translation>
    </message>
    <message>
        <source>  Я согласен   Я согласна</source>
        <translation>I agree</translation>
    </message>
</context>
<context>
    <name>RunGuard</name>
    <message>
        <source>Остановка?</source>
        <translation>Stop?</translation>
    </message>
    <message>
        <source>Действительно хотите остановить работу?</source>
        <translation>Do you really want to stop the work?</translation>
    </message>
    <message>
        <source>Остановить обработку фразы?</source>
        <translation>Stop processing the phrase?</translation>
    </message>
    <message>
        <source>Выход?</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>Действительно хотите выйти из программы?</source>
        <translation>Do you really want to exit the program?</translation>
    </message>
</context>
<context>
    <name>RunSession</name>
    <message>
        <source>Синтез прерван из-за ошибки</source>
        <translation>The synthesis was interrupted by an error</translation>
    </message>
    <message>
        <source>Поиск прерван из-за ошибки.</source>
        <translation>The search was interrupted by an error.</translation>
    </message>
    <message>
        <source>Поиск прерван из-за ошибки</source>
        <translation>The search was interrupted by an error</translation>
    </message>
</context>
<context>
    <name>SummaryTableModel</name>
    <message>
        <source>Слово</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Фрагмент</source>
        <translation>Fragment</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Текстов</source>
        <translation>Texts</translation>
    </message>
    <message>
        <source>На миллион букв</source>
        <translation>Per million letters</translation>
    </message>
    <message>
        <source>Длина</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Отношение</source>
        <translation>Ratio</translation>
    </message>
</context>
<context>
    <name>SummaryViewer</name>
    <message>
        <source>Выберите строку таблицы.</source>
        <translation>Choose a row of the table.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read the file %1.</translation>
    </message>
    <message>
        <source>Файл %1 не читается как сводка (строка %2).</source>
        <translation>The file %1 does not read as a corpus summary (line %2).</translation>
    </message>
    <message>
        <source>Просмотр сводки: %1</source>
        <translation>Summary: %1</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Таблица в CSV...</source>
        <translation>Table to CSV...</translation>
    </message>
    <message>
        <source>Сохранить график...</source>
        <translation>Save plot...</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан: распределения по текстам нет.</source>
        <translation>The file %1 could not be read: no distribution over the texts.</translation>
    </message>
    <message>
        <source>Файл %1 не читается (строка %2): распределения по текстам нет.</source>
        <translation>The file %1 does not read (line %2): no distribution over the texts.</translation>
    </message>
    <message>
        <source>Тексты читаются…</source>
        <translation>Reading the texts…</translation>
    </message>
    <message>
        <source>: в текстах %1 из %2.</source>
        <translation>: in %1 of %2 texts.</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>Тексты готовятся к поиску вхождений…</source>
        <translation>Preparing the texts for the occurrence search…</translation>
    </message>
</context>
<context>
    <name>ViewerProgram</name>
    <message>
        <source>Файл «%1» не найден.</source>
        <translation>The file &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Файл «%1» не является ни отчётом Embed или Echoscan, ни сводкой корпуса: показать его нельзя.</source>
        <translation>The file &quot;%1&quot; is neither a report of Embed or Echoscan nor a corpus summary: it cannot be shown.</translation>
    </message>
    <message>
        <source>Не указан файл: программе нужен отчёт Embed или Echoscan либо сводка корпуса (.tsv).</source>
        <translation>No file given: the program needs a report of Embed or Echoscan or a corpus summary (.tsv).</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Начать поиск</source>
        <translation>Start search</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
