<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Ui</name>
    <message>
        <source>Резервные копии</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Открытие файла конфигурации</source>
        <translation>Open configuration file</translation>
    </message>
    <message>
        <source>считана</source>
        <translation>read</translation>
    </message>
    <message>
        <source>запрограммирована</source>
        <translation>programmed</translation>
    </message>
    <message>
        <source>Папка: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Контроллер (IMEI)</source>
        <translation>Controller (IMEI)</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Конфигурация</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Резервных копий пока нет: они появляются при считывании и программировании конфигурации контроллера.</source>
        <translation>No backups yet: they are made when a controller configuration is read or programmed.</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сравнить с текущей</source>
        <translation>Compare with current</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Резервные копии…</source>
        <translation>Backups…</translation>
    </message>
    <message>
        <source>Конфигурации, считанные из контроллеров и записанные в них</source>
        <translation>Configurations read from controllers and written to them</translation>
    </message>
    <message>
        <source>Сравнение с файлом</source>
        <translation>Compare with file</translation>
    </message>
    <message>
        <source>Экспорт в текст</source>
        <translation>Export to text</translation>
    </message>
    <message>
        <source>Импорт из текста</source>
        <translation>Import from text</translation>
    </message>
    <message>
        <source>Текстовый вид конфигурации (*.txt)</source>
        <translation>Configuration as text (*.txt)</translation>
    </message>
    <message>
        <source>Различия с контроллером</source>
        <translation>Differences from the controller</translation>
    </message>
    <message>
        <source>В контроллере</source>
        <translation>In the controller</translation>
    </message>
    <message>
        <source>Текущая конфигурация совпадает с файлом %1</source>
        <translation>The current configuration matches the file %1</translation>
    </message>
    <message>
        <source>Различия с файлом %1</source>
        <translation>Differences from the file %1</translation>
    </message>
    <message>
        <source>В файле</source>
        <translation>In the file</translation>
    </message>
    <message>
        <source>Невозможно сохранить файл</source>
        <translation>Cannot save the file</translation>
    </message>
    <message>
        <source>Файл не загружен, %1</source>
        <translation>File not loaded, %1</translation>
    </message>
    <message>
        <source>Сравнить с файлом…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>Экспорт в текст…</source>
        <translation>Export to text…</translation>
    </message>
    <message>
        <source>Импорт из текста…</source>
        <translation>Import from text…</translation>
    </message>
    <message>
        <source>Прочие байты по смещению %1</source>
        <translation>Other bytes at offset %1</translation>
    </message>
    <message>
        <source>Различий: %1. Двойной щелчок открывает страницу поля.</source>
        <translation>Differences: %1. Double-click opens the field&apos;s page.</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Поле</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>В программе</source>
        <translation>In the program</translation>
    </message>
    <message>
        <source>Напряжение питания</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Заряд аккумулятора</source>
        <translation>Battery charge</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Уровень сигнала GSM</source>
        <translation>GSM signal level</translation>
    </message>
    <message>
        <source>из 31</source>
        <translation>of 31</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Plots</translation>
    </message>
    <message>
        <source>Вход:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>Вход %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Интервал:</source>
        <translation>Span:</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Сохранить в CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>%1, %2: нет данных</source>
        <translation>%1, %2: no data</translation>
    </message>
    <message>
        <source>Новых показаний нет. Контроллер опрашивается, пока в дереве выбрана страница состояния, часов, питания или одного из входов 1-8.</source>
        <translation>No new readings. The controller is polled while the tree shows the status, clock or power page or one of inputs 1-8.</translation>
    </message>
    <message>
        <source>Вход %1, %2</source>
        <translation>Input %1, %2</translation>
    </message>
    <message>
        <source>Сохранение графиков</source>
        <translation>Save plots</translation>
    </message>
    <message>
        <source>графики.csv</source>
        <translation>plots.csv</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Невозможно сохранить файл: %1</source>
        <translation>Cannot save the file: %1</translation>
    </message>
    <message>
        <source>Графики питания, заряда аккумулятора, температуры, сигнала GSM и входа</source>
        <translation>Plots of supply, battery charge, temperature, GSM signal and an input</translation>
    </message>
    <message>
        <source>Невозможно открыть файл</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>Неизвестный формат файла</source>
        <translation>Unknown file format</translation>
    </message>
    <message>
        <source>Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства.</source>
        <translation>Version mismatch! The file cannot be used to configure this device.</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1 (%2): у пользователя нет прав на чтение и запись этого устройства.

Доступ даёт членство в группе &quot;%3&quot;. Выполните в терминале
    sudo usermod -aG %3 $USER
и затем выйдите из системы и войдите снова.</source>
        <translation>No access to port %1 (%2): the user has no permission to read and write this device.

Membership of the group &quot;%3&quot; gives access. Run in a terminal
    sudo usermod -aG %3 $USER
then log out and log in again.</translation>
    </message>
    <message>
        <source>Очистить список</source>
        <translation>Clear list</translation>
    </message>
    <message>
        <source>Журнал обмена с контроллером</source>
        <translation>Controller exchange log</translation>
    </message>
    <message>
        <source>Записывать обмен с контроллером в файл %1</source>
        <translation>Log the exchange with the controller to the file %1</translation>
    </message>
    <message>
        <source>Невозможно открыть файл журнала &quot;%1&quot;: %2</source>
        <translation>Cannot open the log file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Конфигуратор GSM контроллера VRM530</source>
        <translation>VRM530 GSM Controller Configurator</translation>
    </message>
    <message>
        <source>GSM контроллер VRM530</source>
        <translation>VRM530 GSM controller</translation>
    </message>
    <message>
        <source>Файлы конфигурации (*.cnt)</source>
        <translation>Configuration files (*.cnt)</translation>
    </message>
    <message>
        <source>Сохранение конфигурации</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Конфигуратор GSM контроллера VRM---</source>
        <translation>VRM--- GSM Controller Configurator</translation>
    </message>
    <message>
        <source>Установить стандартную конфигурацию</source>
        <translation>Set the standard configuration</translation>
    </message>
    <message>
        <source>Открыть файл конфигурации...</source>
        <translation>Open configuration file...</translation>
    </message>
    <message>
        <source>Открыть файл конфигурации</source>
        <translation>Open configuration file</translation>
    </message>
    <message>
        <source>Сохранить текущую конфигурацию в файл...</source>
        <translation>Save the current configuration to a file...</translation>
    </message>
    <message>
        <source>Сохранить текущую конфигурацию в файл</source>
        <translation>Save the current configuration to a file</translation>
    </message>
    <message>
        <source>Программировать</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию в контроллер и перезапустить</source>
        <translation>Load the configuration into the controller and restart it</translation>
    </message>
    <message>
        <source>Считать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Считать конфигурацию</source>
        <translation>Read configuration</translation>
    </message>
    <message>
        <source>Считать конфигурацию контроллера</source>
        <translation>Read the controller&apos;s configuration</translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Сравнить конфигурацию</source>
        <translation>Compare configuration</translation>
    </message>
    <message>
        <source>Сравнить текущую конфигурацию с конфигурацией контроллера</source>
        <translation>Compare the current configuration with the controller&apos;s</translation>
    </message>
    <message>
        <source>Реконфигурировать</source>
        <translation>Reconfigure</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию в контроллер, без перезапуска</source>
        <translation>Load the configuration into the controller without a restart</translation>
    </message>
    <message>
        <source>Перезапустить</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Перезапустить (Системный сброс)</source>
        <translation>Restart (system reset)</translation>
    </message>
    <message>
        <source>Перезапустить контроллер</source>
        <translation>Restart the controller</translation>
    </message>
    <message>
        <source>Считать IMEI контроллера в буфер обмена</source>
        <translation>Copy the controller&apos;s IMEI to the clipboard</translation>
    </message>
    <message>
        <source>Восстановить заводскую конфигурацию</source>
        <translation>Restore the factory configuration</translation>
    </message>
    <message>
        <source>COM порт...</source>
        <translation>COM port...</translation>
    </message>
    <message>
        <source>Настройка COM порта</source>
        <translation>COM port settings</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Последние файлы</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; повреждён и сохранён под именем &quot;%2&quot;. Установлена стандартная конфигурация.</source>
        <translation>The file &quot;%1&quot; is damaged and was kept as &quot;%2&quot;. The standard configuration has been set.</translation>
    </message>
    <message>
        <source>Файл уже существует, заменить?</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <source>Конфигурация изменена. Сохранить изменения в файле &quot;%1&quot;?</source>
        <translation>The configuration has changed. Save the changes to the file &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сброс конфигурации</source>
        <translation>Configuration reset</translation>
    </message>
    <message>
        <source>Через указанное время будет произведен сброс параметров конфигурации к заводским, пароль защиты конфигурации будет сброшен. Не отключайте контроллер от PC, связь не должна прерываться, иначе процедуру сброса придется повторить сначала.</source>
        <translation>When the time runs out, the configuration parameters will be reset to the factory settings and the configuration password will be cleared. Do not disconnect the controller from the PC; the connection must not be interrupted, or the reset will have to be started again.</translation>
    </message>
    <message>
        <source>%1 Сек.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>ОХРАНА</source>
        <translation>ARMED</translation>
    </message>
    <message>
        <source>НАБЛЮДЕНИЕ</source>
        <translation>DISARMED</translation>
    </message>
    <message>
        <source>ЗАЩИТА</source>
        <translation>PROTECTION</translation>
    </message>
    <message>
        <source>Смена режима</source>
        <translation>Mode change</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Выход %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Нет реакции</source>
        <translation>No reaction</translation>
    </message>
    <message>
        <source>Включить</source>
        <translation>Switch on</translation>
    </message>
    <message>
        <source>Выключить</source>
        <translation>Switch off</translation>
    </message>
    <message>
        <source>сценарий %1</source>
        <translation>scenario %1</translation>
    </message>
    <message>
        <source>нет реакции</source>
        <translation>no reaction</translation>
    </message>
    <message>
        <source>включить</source>
        <translation>switch on</translation>
    </message>
    <message>
        <source>выключить</source>
        <translation>switch off</translation>
    </message>
    <message>
        <source>Нет действия</source>
        <translation>No action</translation>
    </message>
    <message>
        <source>Перейти в реж. Охрана</source>
        <translation>Go to ARMED mode</translation>
    </message>
    <message>
        <source>Перейти в реж. Наблюдение</source>
        <translation>Go to DISARMED mode</translation>
    </message>
    <message>
        <source>Управление Реле 1</source>
        <translation>Control Relay 1</translation>
    </message>
    <message>
        <source>Управление Реле 2</source>
        <translation>Control Relay 2</translation>
    </message>
    <message>
        <source>Управление Выходом %1</source>
        <translation>Control Output %1</translation>
    </message>
    <message>
        <source>Показывать состояние входов 1-8 на индикаторах In1-In8</source>
        <translation>Show the state of inputs 1-8 on indicators In1-In8</translation>
    </message>
    <message>
        <source>Показывать уровень GSM сигнала на индикаторах In1-In8</source>
        <translation>Show the GSM signal level on indicators In1-In8</translation>
    </message>
    <message>
        <source>Показывать состояние входов 9-16 на индикаторах In1-In8</source>
        <translation>Show the state of inputs 9-16 on indicators In1-In8</translation>
    </message>
    <message>
        <source>Показывать состояние входов на индикаторах In1-In4</source>
        <translation>Show the state of inputs on indicators In1-In4</translation>
    </message>
    <message>
        <source>Показывать уровень GSM сигнала на индикаторах In1-In4</source>
        <translation>Show the GSM signal level on indicators In1-In4</translation>
    </message>
    <message>
        <source>Показывать состояние выходов на индикаторах In1-In4</source>
        <translation>Show the state of outputs on indicators In1-In4</translation>
    </message>
    <message>
        <source>Показывать информацию попеременно</source>
        <translation>Show the information alternately</translation>
    </message>
    <message>
        <source>Установлена плата расширенной индикации</source>
        <translation>Extended indication board fitted</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Разрешен</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source> События воздействующие на это реле [Вкладка | Воздействие | Событие] </source>
        <translation> Events acting on this relay [Tab | Action | Event] </translation>
    </message>
    <message>
        <source> События воздействующие на этот выход [Вкладка | Воздействие | Событие] </source>
        <translation> Events acting on this output [Tab | Action | Event] </translation>
    </message>
    <message>
        <source>Форма сигнала</source>
        <translation>Signal form</translation>
    </message>
    <message>
        <source>Сценарий №</source>
        <translation>Scenario No.</translation>
    </message>
    <message>
        <source>ЦИКЛ</source>
        <translation>CYCLE</translation>
    </message>
    <message>
        <source>ВЫС</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>НИЗ</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>Выбор COM порта</source>
        <translation>Choose COM port</translation>
    </message>
    <message>
        <source>Не возможно открыть указанный COM порт, возможно он занят другим приложением.</source>
        <translation>Cannot open the chosen COM port; it may be in use by another application.</translation>
    </message>
    <message>
        <source>для версий устройства</source>
        <translation>for device versions</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Вся память использована</source>
        <translation>All memory is used</translation>
    </message>
    <message>
        <source>Ключ с кодом: </source>
        <translation>Key with code: </translation>
    </message>
    <message>
        <source>, уже внесен в таблицу</source>
        <translation>, already in the table</translation>
    </message>
    <message>
        <source>Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе </source>
        <translation>Show the mode (ARMED/DISARMED) on output </translation>
    </message>
    <message>
        <source>Не удалось создать файл блокировки во временной папке: запуск второго экземпляра программы не будет обнаружен.</source>
        <translation>Cannot create the lock file in the temporary folder: a second running copy of the program will not be detected.</translation>
    </message>
    <message>
        <source>Записывать обмен с контроллером в файл FILE.</source>
        <translation>Log the exchange with the controller to the file FILE.</translation>
    </message>
    <message>
        <source>Язык интерфейса на этот запуск: ru или en.</source>
        <translation>Interface language for this run: ru or en.</translation>
    </message>
    <message>
        <source>Открыть этот файл конфигурации.</source>
        <translation>Open this configuration file.</translation>
    </message>
    <message>
        <source>Неизвестный язык интерфейса &quot;%1&quot;: ru или en.</source>
        <translation>Unknown interface language &quot;%1&quot;: ru or en.</translation>
    </message>
    <message>
        <source>Программа уже запущена</source>
        <translation>The program is already running</translation>
    </message>
    <message>
        <source>Невозможно открыть </source>
        <translation>Cannot open </translation>
    </message>
    <message>
        <source>Идентификация...</source>
        <translation>Identification...</translation>
    </message>
    <message>
        <source>Передача данных в память контроллера...</source>
        <translation>Sending data to the controller memory...</translation>
    </message>
    <message>
        <source>Ошибка порта </source>
        <translation>Port error </translation>
    </message>
    <message>
        <source>Чтение данных из памяти контроллера...</source>
        <translation>Reading data from the controller memory...</translation>
    </message>
    <message>
        <source>Программирование завершено успешно</source>
        <translation>Programming completed successfully</translation>
    </message>
    <message>
        <source>Ошибка, найдены несоответствия в данных</source>
        <translation>Error: mismatches found in the data</translation>
    </message>
    <message>
        <source>Данные считаны</source>
        <translation>Data read</translation>
    </message>
    <message>
        <source>Данные в памяти контроллера аналогичны текущим</source>
        <translation>The data in the controller memory matches the current data</translation>
    </message>
    <message>
        <source>Данные в памяти контроллера отличаются от текущих</source>
        <translation>The data in the controller memory differs from the current data</translation>
    </message>
    <message>
        <source>Версия устройства считана</source>
        <translation>Device version read</translation>
    </message>
    <message>
        <source>Данные переданы</source>
        <translation>Data sent</translation>
    </message>
    <message>
        <source>Перезагрузка устройства инициированна</source>
        <translation>Device restart initiated</translation>
    </message>
    <message>
        <source>Нет корректного ответа от устройства</source>
        <translation>No valid reply from the device</translation>
    </message>
    <message>
        <source>Нет ответа от устройства</source>
        <translation>No reply from the device</translation>
    </message>
    <message>
        <source>Ошибка передачи данных, код 1</source>
        <translation>Data transfer error, code 1</translation>
    </message>
    <message>
        <source>Ошибка передачи данных, код 2</source>
        <translation>Data transfer error, code 2</translation>
    </message>
    <message>
        <source>Ошибка передачи данных, код 3</source>
        <translation>Data transfer error, code 3</translation>
    </message>
    <message>
        <source>Внутренняя ошибка взаимодействия с FLASH памятью</source>
        <translation>Internal error accessing the FLASH memory</translation>
    </message>
    <message>
        <source>Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих команд не могут быть выполнены</source>
        <translation>Access denied without a password: read/write commands and some control commands cannot be executed</translation>
    </message>
    <message>
        <source>Ошибка идентификатора области FLASH памяти</source>
        <translation>Invalid FLASH memory area identifier</translation>
    </message>
    <message>
        <source>Проверка конфигурации</source>
        <translation>Configuration check</translation>
    </message>
    <message>
        <source>Контроллер аппаратной версии %1 не поддерживает функцию передачи данных CSD.
На вкладке &quot;Соединение %2&quot;, установите параметр &quot;Тип соединения&quot; в состояние отличное от &quot;WardLink&quot;.</source>
        <translation>A controller of hardware version %1 does not support CSD data transfer.
On the &quot;Connection %2&quot; tab, set the &quot;Connection type&quot; parameter to a value other than &quot;WardLink&quot;.</translation>
    </message>
    <message>
        <source>Контроллер не содержит достоверную конфигурацию.
Настройте параметры как необходимо и запрограммируйте конфигурацию.</source>
        <translation>The controller holds no valid configuration.
Set the parameters as required and program the configuration.</translation>
    </message>
    <message>
        <source>Устройство %1 не поддерживается</source>
        <translation>Device %1 is not supported</translation>
    </message>
    <message>
        <source>Версия %1 не поддерживается</source>
        <translation>Version %1 is not supported</translation>
    </message>
    <message>
        <source>Время;Напряжение питания, В;Заряд аккумулятора, %;Температура, °C;Уровень сигнала GSM;</source>
        <translation>Time;Supply voltage, V;Battery charge, %;Temperature, °C;GSM signal level;</translation>
    </message>
    <message>
        <source>Инициализация модема</source>
        <translation>Modem initialisation</translation>
    </message>
    <message>
        <source>Сервисный режим, обновление микропрограммы GSM модуля</source>
        <translation>Service mode, GSM module firmware update</translation>
    </message>
    <message>
        <source>Основное питание отсутствует, регистрация в сети GSM невозможна</source>
        <translation>No mains power, GSM network registration impossible</translation>
    </message>
    <message>
        <source>SIM карта не установлена</source>
        <translation>SIM card not inserted</translation>
    </message>
    <message>
        <source>SIM карта неисправна или отсутствует</source>
        <translation>SIM card faulty or missing</translation>
    </message>
    <message>
        <source>Не верный PIN-код</source>
        <translation>Wrong PIN code</translation>
    </message>
    <message>
        <source>SIM карта заблокирована, требуется PUK-код</source>
        <translation>SIM card blocked, PUK code required</translation>
    </message>
    <message>
        <source>PIN-код принят</source>
        <translation>PIN code accepted</translation>
    </message>
    <message>
        <source>Зарегистрирован в домашней сети</source>
        <translation>Registered in the home network</translation>
    </message>
    <message>
        <source>Регистрация в процессе...</source>
        <translation>Registration in progress...</translation>
    </message>
    <message>
        <source>Зарегистрирован в роуменге</source>
        <translation>Registered in roaming</translation>
    </message>
    <message>
        <source>Неизвестное состояние GSM модуля</source>
        <translation>Unknown GSM module state</translation>
    </message>
    <message>
        <source>
Аккумулятор подключен</source>
        <translation>
Battery connected</translation>
    </message>
    <message>
        <source>Тестирование АКБ,
подождите (не более 1 мин.)</source>
        <translation>Battery test,
please wait (up to 1 min.)</translation>
    </message>
    <message>
        <source>
Аккумулятор не подключен</source>
        <translation>
Battery not connected</translation>
    </message>
    <message>
        <source>%1 В</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Текущее значение температуры не доступно</source>
        <translation>Current temperature value not available</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>Баланс лицевого счета: %1</source>
        <translation>Account balance: %1</translation>
    </message>
    <message>
        <source>Резервная копия конфигурации не сохранена: %1.
Операция с контроллером выполнена. Резервные копии сохраняются в папку &quot;%2&quot;. Это сообщение больше не появится до перезапуска программы.</source>
        <translation>The configuration backup was not saved: %1.
The controller operation has been completed. Backups are saved in the folder &quot;%2&quot;. This message will not appear again until the program is restarted.</translation>
    </message>
    <message>
        <source> %1 не найден.</source>
        <translation> %1 not found.</translation>
    </message>
    <message>
        <source>ед.</source>
        <translation>units</translation>
    </message>
</context>
</TS>
