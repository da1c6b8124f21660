<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Ui</name>
    <message>
        <source>Конфигуратор GSM контроллера</source>
        <translation>GSM Controller Configurator</translation>
    </message>
    <message>
        <source>GSM контроллер</source>
        <translation>GSM controller</translation>
    </message>
    <message>
        <source>Профиль</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть файл конфигурации...</source>
        <translation>Open configuration file...</translation>
    </message>
    <message>
        <source>Сохранить текущую конфигурацию в файл...</source>
        <translation>Save the current configuration to a file...</translation>
    </message>
    <message>
        <source>Установить стандартную конфигурацию</source>
        <translation>Set the standard configuration</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>COM порт...</source>
        <translation>COM port...</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Программировать</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Считать конфигурацию</source>
        <translation>Read configuration</translation>
    </message>
    <message>
        <source>Сравнить конфигурацию</source>
        <translation>Compare configuration</translation>
    </message>
    <message>
        <source>Считать IMEI контроллера в буфер обмена</source>
        <translation>Copy the controller&apos;s IMEI to the clipboard</translation>
    </message>
    <message>
        <source>Реконфигурировать</source>
        <translation>Reconfigure</translation>
    </message>
    <message>
        <source>Перезапустить (Системный сброс)</source>
        <translation>Restart (system reset)</translation>
    </message>
    <message>
        <source>Восстановить заводскую конфигурацию</source>
        <translation>Restore the factory configuration</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>GSM контроллер VRM530-QT</source>
        <translation>GSM controller VRM530-QT</translation>
    </message>
    <message>
        <source>Общие параметры соединений</source>
        <translation>Connection common parameters</translation>
    </message>
    <message>
        <source>Соединение 1</source>
        <translation>Connection 1</translation>
    </message>
    <message>
        <source>Соединение 2</source>
        <translation>Connection 2</translation>
    </message>
    <message>
        <source>Соединение 3</source>
        <translation>Connection 3</translation>
    </message>
    <message>
        <source>Соединение 4</source>
        <translation>Connection 4</translation>
    </message>
    <message>
        <source>Соединение 5</source>
        <translation>Connection 5</translation>
    </message>
    <message>
        <source>Соединение 6</source>
        <translation>Connection 6</translation>
    </message>
    <message>
        <source>Соединение 7</source>
        <translation>Connection 7</translation>
    </message>
    <message>
        <source>Соединение 8</source>
        <translation>Connection 8</translation>
    </message>
    <message>
        <source>Общие параметры GPRS</source>
        <translation>GPRS common parameters</translation>
    </message>
    <message>
        <source>Сервер 1</source>
        <translation>Server 1</translation>
    </message>
    <message>
        <source>Сервер 2</source>
        <translation>Server 2</translation>
    </message>
    <message>
        <source>Сервер 3</source>
        <translation>Server 3</translation>
    </message>
    <message>
        <source>Часы, планировщик задач</source>
        <translation>Clock, task scheduler</translation>
    </message>
    <message>
        <source>Питание, температура, индикация, контроль вскрытия</source>
        <translation>Power, temperature, indication, tamper control</translation>
    </message>
    <message>
        <source>Периметр 1</source>
        <translation>Perimeter 1</translation>
    </message>
    <message>
        <source>Периметр 2</source>
        <translation>Perimeter 2</translation>
    </message>
    <message>
        <source>Периметр 3</source>
        <translation>Perimeter 3</translation>
    </message>
    <message>
        <source>Периметр 4</source>
        <translation>Perimeter 4</translation>
    </message>
    <message>
        <source>Входы</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Вход 1</source>
        <translation>Input 1</translation>
    </message>
    <message>
        <source>Вход 2</source>
        <translation>Input 2</translation>
    </message>
    <message>
        <source>Вход 3</source>
        <translation>Input 3</translation>
    </message>
    <message>
        <source>Вход 4</source>
        <translation>Input 4</translation>
    </message>
    <message>
        <source>Вход 5</source>
        <translation>Input 5</translation>
    </message>
    <message>
        <source>Вход 6</source>
        <translation>Input 6</translation>
    </message>
    <message>
        <source>Вход 7</source>
        <translation>Input 7</translation>
    </message>
    <message>
        <source>Вход 8</source>
        <translation>Input 8</translation>
    </message>
    <message>
        <source>Выходы</source>
        <translation>Outputs</translation>
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
        <source>Выход 1</source>
        <translation>Output 1</translation>
    </message>
    <message>
        <source>Выход 2</source>
        <translation>Output 2</translation>
    </message>
    <message>
        <source>Выход 3</source>
        <translation>Output 3</translation>
    </message>
    <message>
        <source>Выход 4</source>
        <translation>Output 4</translation>
    </message>
    <message>
        <source>Выход 5</source>
        <translation>Output 5</translation>
    </message>
    <message>
        <source>Сценарии управления</source>
        <translation>Control scenarios</translation>
    </message>
    <message>
        <source>Профили</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Профиль 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>Профиль 2</source>
        <translation>Profile 2</translation>
    </message>
    <message>
        <source>Профиль 3</source>
        <translation>Profile 3</translation>
    </message>
    <message>
        <source>Профиль 4</source>
        <translation>Profile 4</translation>
    </message>
    <message>
        <source>Профиль 5</source>
        <translation>Profile 5</translation>
    </message>
    <message>
        <source>Профиль 6</source>
        <translation>Profile 6</translation>
    </message>
    <message>
        <source>Профиль 7</source>
        <translation>Profile 7</translation>
    </message>
    <message>
        <source>Профиль 8</source>
        <translation>Profile 8</translation>
    </message>
    <message>
        <source>Системные параметры</source>
        <translation>System parameters</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Язык интерфейса изменится при следующем запуске программы.</source>
        <translation>The interface language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>Не удалось создать файл блокировки во временной папке: запуск второго экземпляра программы не будет обнаружен.</source>
        <translation>Cannot create the lock file in the temporary folder: a second running copy of the program will not be detected.</translation>
    </message>
    <message>
        <source>Конфигуратор GSM контроллера VRM530</source>
        <translation>GSM Controller Configurator VRM530</translation>
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
        <source>Записать встроенные тексты в файл FILE как файл языка (lng.txt) и завершить работу.</source>
        <translation>Write the built-in texts to FILE as a language file (lng.txt) and exit.</translation>
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
        <source>Невозможно записать файл &quot;%1&quot;: %2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Программа уже запущена</source>
        <translation>The program is already running</translation>
    </message>
    <message>
        <source>Невозможно открыть файл журнала &quot;%1&quot;: %2</source>
        <translation>Cannot open the log file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Административный пароль необходим для использования расширенного набора команд через SMS, а так же для защиты конфигурации устройства от модификации. После процедуры установки, запись и чтение конфигурации будут невозможны, без указания этого пароля. Действие нового пароля начнется с момента повторного запуска конфигуратора. Будьте внимательны, в случае утраты пароля его отмена возможна с помощью длительной процедуры, около 30 минут, при этом ранее настроенная конфигурация будет очищена, все параметры сбросятся к заводским. Этот пароль не сохраняется в файле конфигурации его нужно будет вводить при каждом запуске программы.</source>
        <translation>The administrator password is needed to use the extended set of SMS commands and to protect the device configuration from changes. Once it is set, the configuration cannot be written or read without this password. A new password takes effect from the next start of the configurator. Take care: if the password is lost, it can only be removed by a long procedure of about 30 minutes, which clears the configuration made so far and resets every parameter to the factory values. This password is not saved in the configuration file; it has to be entered at every start of the program.</translation>
    </message>
    <message>
        <source>Использовать административный пароль</source>
        <translation>Use an administrator password</translation>
    </message>
    <message>
        <source>Административный пароль и пароль защиты конфигурации</source>
        <translation>Administrator password and configuration protection password</translation>
    </message>
    <message>
        <source>Идентификатор устройства для модемных или GPRS пакетов</source>
        <translation>Device identifier for modem or GPRS packets</translation>
    </message>
    <message>
        <source>Пароль доступа для SMS управления</source>
        <translation>Access password for SMS control</translation>
    </message>
    <message>
        <source>Пароль доступа для DTMF управления</source>
        <translation>Access password for DTMF control</translation>
    </message>
    <message>
        <source>PIN код</source>
        <translation>PIN code</translation>
    </message>
    <message>
        <source>Номер телефона SMS центра</source>
        <translation>SMS centre phone number</translation>
    </message>
    <message>
        <source>DTMF управление только с телефонов из списка</source>
        <translation>DTMF control only from phones in the list</translation>
    </message>
    <message>
        <source>SMS управление только с телефонов из списка</source>
        <translation>SMS control only from phones in the list</translation>
    </message>
    <message>
        <source>Всегда подтверждать выполнение SMS команды</source>
        <translation>Always confirm that an SMS command was carried out</translation>
    </message>
    <message>
        <source>Чередование от 1 до 8 по кольцу, без приоритета.</source>
        <translation>Round robin from 1 to 8, no priority.</translation>
    </message>
    <message>
        <source>Приоритет у соединения с меньшим номером.</source>
        <translation>The connection with the lower number has priority.</translation>
    </message>
    <message>
        <source>Приоритет у текущего соединения, до полной передачи.</source>
        <translation>The current connection has priority until everything is sent.</translation>
    </message>
    <message>
        <source>Приоритет у текущего соединения, до первой неудачи.</source>
        <translation>The current connection has priority until its first failure.</translation>
    </message>
    <message>
        <source>Пауза между окончанием одного соединения и началом нового, Сек.</source>
        <translation>Pause between the end of one connection and the start of the next, sec.</translation>
    </message>
    <message>
        <source>Принцип чередования соединений при голосовом оповещении</source>
        <translation>Order of connections for voice notification</translation>
    </message>
    <message>
        <source>SMS команды полученные позднее указанного времени, с момента отправки, не выполнять</source>
        <translation>Do not carry out SMS commands received later than this time after they were sent</translation>
    </message>
    <message>
        <source> Тип модемного соединения для исходящих вызовов </source>
        <translation> Modem connection type for outgoing calls </translation>
    </message>
    <message>
        <source>Адрес устройства в сети Modbus</source>
        <translation>Device address in the Modbus network</translation>
    </message>
    <message>
        <source> Предустановленные шаблоны </source>
        <translation> Preset templates </translation>
    </message>
    <message>
        <source>МТС</source>
        <translation>MTS</translation>
    </message>
    <message>
        <source>Билайн</source>
        <translation>Beeline</translation>
    </message>
    <message>
        <source>Мегафон</source>
        <translation>MegaFon</translation>
    </message>
    <message>
        <source>Теле 2</source>
        <translation>Tele2</translation>
    </message>
    <message>
        <source>Предустановленные шаблоны параметров запроса баланса могут отличаться в разных регионах. Уточните USSD команду для запроса баланса у вашего оператора. Ключевое слово - это ближайшие восемь символов слева от числового значения баланса.</source>
        <translation>The preset balance request templates may differ between regions. Ask your operator for the USSD command that requests the balance. The keyword is the eight characters immediately to the left of the balance figure.</translation>
    </message>
    <message>
        <source>USSD команда запроса</source>
        <translation>USSD request command</translation>
    </message>
    <message>
        <source>Ключевое слово для идентификации сообщения о балансе</source>
        <translation>Keyword that identifies the balance message</translation>
    </message>
    <message>
        <source>Формировать оповещение при значении равном или меньше (0 - 65535)</source>
        <translation>Notify when the balance is equal to or less than (0 - 65535)</translation>
    </message>
    <message>
        <source>Период запроса информации о балансе в часах (0 - 255)</source>
        <translation>Balance request period in hours (0 - 255)</translation>
    </message>
    <message>
        <source>Приоритет транспорта</source>
        <translation>Transport priority</translation>
    </message>
    <message>
        <source>Голосовое и SMS оповещения равнозначны</source>
        <translation>Voice and SMS notifications are equal</translation>
    </message>
    <message>
        <source>Посылать SMS только если не доставлено голосовое оповещ.</source>
        <translation>Send SMS only if the voice notification failed</translation>
    </message>
    <message>
        <source>Голосовое оповещение только если не отправлено SMS</source>
        <translation>Voice notification only if the SMS was not sent</translation>
    </message>
    <message>
        <source>Тип соединения</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Голосовое</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Голосовое WL</source>
        <translation>Voice WL</translation>
    </message>
    <message>
        <source>Принять и перейти в голосовое меню, с паролем (DTMF управление)</source>
        <translation>Answer and go to the voice menu, with password (DTMF control)</translation>
    </message>
    <message>
        <source>Принять и перейти в голосовое меню, без пароля (DTMF управление)</source>
        <translation>Answer and go to the voice menu, no password (DTMF control)</translation>
    </message>
    <message>
        <source>Отбить (DTMF управление невозможно)</source>
        <translation>Reject (no DTMF control)</translation>
    </message>
    <message>
        <source>Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)</source>
        <translation>Reject and change mode (ARMED/DISARMED)</translation>
    </message>
    <message>
        <source>принадлежит группе</source>
        <translation>belongs to group</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Реакция на входящий вызов</source>
        <translation>Response to an incoming call</translation>
    </message>
    <message>
        <source> Воздействие на реле/выходы при входящем вызове </source>
        <translation> Relay/output action on an incoming call </translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>По длине сообщения</source>
        <translation>By message length</translation>
    </message>
    <message>
        <source>Задается DTMF упр.</source>
        <translation>Set by DTMF control</translation>
    </message>
    <message>
        <source>Отбой вызова, без соединения, считать успешной доставкой</source>
        <translation>Count a rejected call without connection as delivered</translation>
    </message>
    <message>
        <source>Продолжительность исходящего голосового соединения</source>
        <translation>Duration of an outgoing voice call</translation>
    </message>
    <message>
        <source>Снять данные с передачи, если не переданны за</source>
        <translation>Drop data not sent within</translation>
    </message>
    <message>
        <source> SMS оповещение </source>
        <translation> SMS notification </translation>
    </message>
    <message>
        <source>Английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Код ключа TouchMem</source>
        <translation>TouchMem key code</translation>
    </message>
    <message>
        <source>Имя пользователя</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Контроль ошибок управляющих сообщений</source>
        <translation>Error check of control messages</translation>
    </message>
    <message>
        <source>Режим управления подчиненным контроллером</source>
        <translation>Control of a slave controller</translation>
    </message>
    <message>
        <source>В сообщении передавать</source>
        <translation>Send in the message</translation>
    </message>
    <message>
        <source> Голосовое оповещение или вызов типа DATA </source>
        <translation> Voice notification or DATA call </translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation>Exchange protocol</translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>Имя APN</source>
        <translation>APN name</translation>
    </message>
    <message>
        <source>Логин</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Адрес первичного DNS сервера</source>
        <translation>Primary DNS server address</translation>
    </message>
    <message>
        <source>Адрес вторичного DNS сервера</source>
        <translation>Secondary DNS server address</translation>
    </message>
    <message>
        <source>Всегда подключен к серверу</source>
        <translation>Always connected to the server</translation>
    </message>
    <message>
        <source>Подключаться периодически или по событию</source>
        <translation>Connect periodically or on an event</translation>
    </message>
    <message>
        <source>Подключаться по событию</source>
        <translation>Connect on an event</translation>
    </message>
    <message>
        <source>Период подключения к серверу, [5:1260] Мин.</source>
        <translation>Server connection period, [5:1260] min.</translation>
    </message>
    <message>
        <source>Длительность соединения, [0:30] Мин.</source>
        <translation>Connection duration, [0:30] min.</translation>
    </message>
    <message>
        <source>Значения по умолчанию</source>
        <translation>Default values</translation>
    </message>
    <message>
        <source>Количество попыток подключения</source>
        <translation>Number of connection attempts</translation>
    </message>
    <message>
        <source>Период PINGа, [1:30] Мин.</source>
        <translation>PING period, [1:30] min.</translation>
    </message>
    <message>
        <source>При недоступности сервера, прекратить попытки подключения на время, [5:1260] Мин.</source>
        <translation>If the server cannot be reached, stop connection attempts for, [5:1260] min.</translation>
    </message>
    <message>
        <source>Разрешен</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>IP адрес</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Доменное имя (требуется DNS)</source>
        <translation>Domain name (DNS required)</translation>
    </message>
    <message>
        <source>Тип адреса</source>
        <translation>Address type</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Сервер %1</source>
        <translation>Server %1</translation>
    </message>
    <message>
        <source>Разрешить редактирование</source>
        <translation>Allow editing</translation>
    </message>
    <message>
        <source> Калибровочное значение хода часов </source>
        <translation> Clock rate calibration </translation>
    </message>
    <message>
        <source>добавить 1 секунду</source>
        <translation>add 1 second</translation>
    </message>
    <message>
        <source>вычесть 1 секунду</source>
        <translation>subtract 1 second</translation>
    </message>
    <message>
        <source>Каждые </source>
        <translation>Every </translation>
    </message>
    <message>
        <source>секунд, </source>
        <translation>seconds, </translation>
    </message>
    <message>
        <source> Тип резервной батареи </source>
        <translation> Backup battery type </translation>
    </message>
    <message>
        <source>Литий-фосфатная LiFePO4 - (12В; 1,3 А/ч)</source>
        <translation>Lithium iron phosphate LiFePO4 - (12 V; 1.3 Ah)</translation>
    </message>
    <message>
        <source>Свинцово-кислотная Pb (12В; от 3,5 А/ч)</source>
        <translation>Lead-acid Pb (12 V; from 3.5 Ah)</translation>
    </message>
    <message>
        <source>Разрешено входить в режим обновления микропрограммы GSM модуля</source>
        <translation>Allow the GSM module to enter its firmware update mode</translation>
    </message>
    <message>
        <source>Не проверять CRC при считывании ключей TouchMemory</source>
        <translation>Do not check the CRC when reading TouchMemory keys</translation>
    </message>
    <message>
        <source>Считать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Системные параметры имеют индивидуальные значения для каждого экземпляра устройства и устанавливаются при производстве. Если необходимо изменить любой из этих параметров, считайте предустановленные значения, после изменения запрограммируйте.</source>
        <translation>System parameters have individual values for each device and are set during manufacture. To change any of them, read the preset values, change them, then program them.</translation>
    </message>
    <message>
        <source>Для того, что бы новые значения вступили в силу необходимо перезапустить устройство. Для этого отключите и включите питание устройства или нажмите кнопку [Перезапустить].</source>
        <translation>The new values take effect after the device restarts. To restart it, switch the device power off and on or press the [Restart] button.</translation>
    </message>
    <message>
        <source>Эти значения не сохраняются в файле конфигурации и ни как не связанны с конфигурационными параметрами. Программирование доступно только из этого режима и ни как не влияет на конфигурацию прибора, так же как и конфигурирование не изменяет эти значения.</source>
        <translation>These values are not saved in the configuration file and are not related to the configuration parameters. They can be programmed only from this mode; programming them does not affect the device configuration, and configuring does not change them.</translation>
    </message>
    <message>
        <source>сценарий %1</source>
        <translation>scenario %1</translation>
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
        <source>GSM контроллер VRM530</source>
        <translation>GSM controller VRM530</translation>
    </message>
    <message>
        <source> Контроллер </source>
        <translation> Controller </translation>
    </message>
    <message>
        <source>Устройство:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>Модификация:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Код страны:</source>
        <translation>Country code:</translation>
    </message>
    <message>
        <source>Версия платы:</source>
        <translation>Board version:</translation>
    </message>
    <message>
        <source>Версия ПО:</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>Загрузчик:</source>
        <translation>Boot loader:</translation>
    </message>
    <message>
        <source>Серийный номер:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Привязка:</source>
        <translation>Binding:</translation>
    </message>
    <message>
        <source>%v из 31</source>
        <translation>%v of 31</translation>
    </message>
    <message>
        <source>Уровень сигнала:</source>
        <translation>Signal level:</translation>
    </message>
    <message>
        <source>Состояние модема:</source>
        <translation>Modem state:</translation>
    </message>
    <message>
        <source> Входы </source>
        <translation> Inputs </translation>
    </message>
    <message>
        <source>Имит.</source>
        <translation>Sim.</translation>
    </message>
    <message>
        <source>Имитировать активизацию входа</source>
        <translation>Simulate input activation</translation>
    </message>
    <message>
        <source> Выходы </source>
        <translation> Outputs </translation>
    </message>
    <message>
        <source>Вкл.</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Включить исполнительное устройство</source>
        <translation>Switch the actuator on</translation>
    </message>
    <message>
        <source>Выкл.</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Выключить исполнительное устройство</source>
        <translation>Switch the actuator off</translation>
    </message>
    <message>
        <source> Периметры </source>
        <translation> Perimeters </translation>
    </message>
    <message>
        <source>Периметр %1</source>
        <translation>Perimeter %1</translation>
    </message>
    <message>
        <source>Охрана</source>
        <translation>Armed</translation>
    </message>
    <message>
        <source>Наблюдение</source>
        <translation>Disarmed</translation>
    </message>
    <message>
        <source>Защита</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source> Выполнить сценарий на выходе </source>
        <translation> Run a scenario on an output </translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>При программировании очистить память режимов</source>
        <translation>Clear the mode memory when programming</translation>
    </message>
    <message>
        <source>Написать в техническую поддержку</source>
        <translation>Write to technical support</translation>
    </message>
    <message>
        <source>Вх.%1</source>
        <translation>In.%1</translation>
    </message>
    <message>
        <source>Системные события</source>
        <translation>System events</translation>
    </message>
    <message>
        <source>Тестовое / инфо. сообщения</source>
        <translation>Test / info messages</translation>
    </message>
    <message>
        <source>Не верно установлено число</source>
        <translation>The day is set incorrectly</translation>
    </message>
    <message>
        <source>Не верно установлен месяц</source>
        <translation>The month is set incorrectly</translation>
    </message>
    <message>
        <source>Не верно установлен год</source>
        <translation>The year is set incorrectly</translation>
    </message>
    <message>
        <source>Не верно установлены часы</source>
        <translation>The hours are set incorrectly</translation>
    </message>
    <message>
        <source>Не верно установлены минуты</source>
        <translation>The minutes are set incorrectly</translation>
    </message>
    <message>
        <source>неполный блок конфигурации (%1 байт)</source>
        <translation>incomplete configuration block (%1 bytes)</translation>
    </message>
    <message>
        <source>не удалось создать папку &quot;%1&quot;</source>
        <translation>could not create the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>не удалось записать файл &quot;%1&quot;</source>
        <translation>could not write the file &quot;%1&quot;</translation>
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
        <source>Прочие байты по смещению %1</source>
        <translation>Other bytes at offset %1</translation>
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
        <source>(не задан)</source>
        <translation>(not set)</translation>
    </message>
    <message>
        <source>(задан)</source>
        <translation>(set)</translation>
    </message>
    <message>
        <source>ед.</source>
        <translation>units</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Задача %1</source>
        <translation>Task %1</translation>
    </message>
    <message>
        <source>Задача включена</source>
        <translation>Task enabled</translation>
    </message>
    <message>
        <source>Дни недели</source>
        <translation>Weekdays</translation>
    </message>
    <message>
        <source>Час</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Минута</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Инфо</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Доп. параметр</source>
        <translation>Extra parameter</translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Автоматический переход на летнее время</source>
        <translation>Automatic daylight saving time</translation>
    </message>
    <message>
        <source>Входы в информационном сообщении</source>
        <translation>Inputs in the information message</translation>
    </message>
    <message>
        <source>Выходы в информационном сообщении</source>
        <translation>Outputs in the information message</translation>
    </message>
    <message>
        <source>Задачи</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Сигнатура</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Резерв</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>Номер версии</source>
        <translation>Version number</translation>
    </message>
    <message>
        <source>Пауза между звонками</source>
        <translation>Pause between calls</translation>
    </message>
    <message>
        <source>Всегда подтверждать SMS</source>
        <translation>Always confirm SMS</translation>
    </message>
    <message>
        <source>SMS управление только с номеров из списка</source>
        <translation>SMS control only from numbers in the list</translation>
    </message>
    <message>
        <source>DTMF управление только с номеров из списка</source>
        <translation>DTMF control only from numbers in the list</translation>
    </message>
    <message>
        <source>Приоритет дозвона</source>
        <translation>Dialling priority</translation>
    </message>
    <message>
        <source>Срок действия SMS команды</source>
        <translation>SMS command validity time</translation>
    </message>
    <message>
        <source>Протокол DATA</source>
        <translation>DATA protocol</translation>
    </message>
    <message>
        <source>Адрес Modbus</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <source>Административный пароль</source>
        <translation>Administrator password</translation>
    </message>
    <message>
        <source>PIN код SIM карты</source>
        <translation>SIM card PIN code</translation>
    </message>
    <message>
        <source>Пароль DTMF управления</source>
        <translation>DTMF control password</translation>
    </message>
    <message>
        <source>Пароль SMS управления</source>
        <translation>SMS control password</translation>
    </message>
    <message>
        <source>Номер SMS центра</source>
        <translation>SMS centre number</translation>
    </message>
    <message>
        <source>Запрос баланса</source>
        <translation>Balance request</translation>
    </message>
    <message>
        <source>USSD команда запроса баланса</source>
        <translation>USSD balance request command</translation>
    </message>
    <message>
        <source>Ключевое слово баланса</source>
        <translation>Balance keyword</translation>
    </message>
    <message>
        <source>Порог баланса</source>
        <translation>Balance threshold</translation>
    </message>
    <message>
        <source>Период запроса баланса, ч</source>
        <translation>Balance request period, h</translation>
    </message>
    <message>
        <source>Источники сообщений</source>
        <translation>Message sources</translation>
    </message>
    <message>
        <source>Входы (выбраны или серые)</source>
        <translation>Inputs (checked or grey)</translation>
    </message>
    <message>
        <source>Входы (выбраны)</source>
        <translation>Inputs (checked)</translation>
    </message>
    <message>
        <source>Переход в режим ОХРАНА</source>
        <translation>Change to ARMED mode</translation>
    </message>
    <message>
        <source>Переход в режим НАБЛЮДЕНИЕ</source>
        <translation>Change to DISARMED mode</translation>
    </message>
    <message>
        <source>Ограниченная охрана</source>
        <translation>Restricted arming</translation>
    </message>
    <message>
        <source>Соединение %1</source>
        <translation>Connection %1</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Голос: время ожидания</source>
        <translation>Voice: waiting time</translation>
    </message>
    <message>
        <source>Входящий вызов: выход</source>
        <translation>Incoming call: output</translation>
    </message>
    <message>
        <source>Входящий вызов: действие</source>
        <translation>Incoming call: action</translation>
    </message>
    <message>
        <source>Сброс вызова считать доставкой</source>
        <translation>Count a rejected call as delivered</translation>
    </message>
    <message>
        <source>Голосовые оповещения разрешены</source>
        <translation>Voice notifications enabled</translation>
    </message>
    <message>
        <source>Голос: длительность вызова</source>
        <translation>Voice: call duration</translation>
    </message>
    <message>
        <source>Голосовые оповещения</source>
        <translation>Voice notifications</translation>
    </message>
    <message>
        <source>SMS: время ожидания</source>
        <translation>SMS: waiting time</translation>
    </message>
    <message>
        <source>SMS: протокол</source>
        <translation>SMS: protocol</translation>
    </message>
    <message>
        <source>SMS: идентификация пользователя</source>
        <translation>SMS: user identification</translation>
    </message>
    <message>
        <source>Контроль ошибок управления</source>
        <translation>Control error check</translation>
    </message>
    <message>
        <source>SMS оповещения разрешены</source>
        <translation>SMS notifications enabled</translation>
    </message>
    <message>
        <source>Управление ведомым контроллером</source>
        <translation>Slave controller control</translation>
    </message>
    <message>
        <source>SMS оповещения</source>
        <translation>SMS notifications</translation>
    </message>
    <message>
        <source>Точка доступа (APN)</source>
        <translation>Access point (APN)</translation>
    </message>
    <message>
        <source>Имя пользователя GPRS</source>
        <translation>GPRS user name</translation>
    </message>
    <message>
        <source>Пароль GPRS</source>
        <translation>GPRS password</translation>
    </message>
    <message>
        <source>Первичный DNS</source>
        <translation>Primary DNS</translation>
    </message>
    <message>
        <source>Вторичный DNS</source>
        <translation>Secondary DNS</translation>
    </message>
    <message>
        <source>GPRS оповещения</source>
        <translation>GPRS notifications</translation>
    </message>
    <message>
        <source>Стратегия подключения</source>
        <translation>Connection strategy</translation>
    </message>
    <message>
        <source>Число попыток подключения</source>
        <translation>Number of connection attempts</translation>
    </message>
    <message>
        <source>Период проверки связи, мин</source>
        <translation>Link check period, min</translation>
    </message>
    <message>
        <source>Время блокировки</source>
        <translation>Block time</translation>
    </message>
    <message>
        <source>Время на связи, мин</source>
        <translation>Time online, min</translation>
    </message>
    <message>
        <source>Адрес сервера</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Сервер используется</source>
        <translation>Server in use</translation>
    </message>
    <message>
        <source>Время ожидания GPRS</source>
        <translation>GPRS waiting time</translation>
    </message>
    <message>
        <source>Доменное имя</source>
        <translation>Domain name</translation>
    </message>
    <message>
        <source>Питание датчиков (порт 10VS)</source>
        <translation>Sensor power (port 10VS)</translation>
    </message>
    <message>
        <source>Время сброса питания по шлейфу</source>
        <translation>Loop power reset time</translation>
    </message>
    <message>
        <source>Не опрашивать входы после включения питания датчиков</source>
        <translation>Do not scan inputs after sensor power is switched on</translation>
    </message>
    <message>
        <source>Не опрашивать входы после включения</source>
        <translation>Do not scan inputs after power-up</translation>
    </message>
    <message>
        <source>Вход %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation>Input name</translation>
    </message>
    <message>
        <source>Название активного состояния</source>
        <translation>Active state name</translation>
    </message>
    <message>
        <source>Название пассивного состояния</source>
        <translation>Passive state name</translation>
    </message>
    <message>
        <source>Время усреднения</source>
        <translation>Averaging time</translation>
    </message>
    <message>
        <source>Активный входной уровень</source>
        <translation>Active input level</translation>
    </message>
    <message>
        <source>Контролировать 24 часа в сутки</source>
        <translation>Monitor 24 hours a day</translation>
    </message>
    <message>
        <source>Время восстановления опроса, мин</source>
        <translation>Scan recovery time, min</translation>
    </message>
    <message>
        <source>Задержка тревожного события</source>
        <translation>Alarm event delay</translation>
    </message>
    <message>
        <source>Управление реле/выходами</source>
        <translation>Relay/output control</translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation>Input type</translation>
    </message>
    <message>
        <source>Связь с периметром</source>
        <translation>Perimeter link</translation>
    </message>
    <message>
        <source>Нижняя граница</source>
        <translation>Lower threshold</translation>
    </message>
    <message>
        <source>Верхняя граница</source>
        <translation>Upper threshold</translation>
    </message>
    <message>
        <source>Число активизаций</source>
        <translation>Number of activations</translation>
    </message>
    <message>
        <source>Не переходить в ОХРАНУ при активном входе</source>
        <translation>Do not change to ARMED while the input is active</translation>
    </message>
    <message>
        <source>Номер для прослушивания</source>
        <translation>Number for listening in</translation>
    </message>
    <message>
        <source>Источник питания датчиков</source>
        <translation>Sensor power source</translation>
    </message>
    <message>
        <source>Тревожных событий за сессию</source>
        <translation>Alarm events per session</translation>
    </message>
    <message>
        <source>Смена режима при активизации</source>
        <translation>Mode change on activation</translation>
    </message>
    <message>
        <source>Смена режима при деактивизации</source>
        <translation>Mode change on deactivation</translation>
    </message>
    <message>
        <source>Окно фильтра</source>
        <translation>Filter window</translation>
    </message>
    <message>
        <source>Отправить GPS информацию</source>
        <translation>Send GPS information</translation>
    </message>
    <message>
        <source>Минимальное значение</source>
        <translation>Minimum value</translation>
    </message>
    <message>
        <source>Максимальное значение</source>
        <translation>Maximum value</translation>
    </message>
    <message>
        <source>При переходе в активное состояние</source>
        <translation>On change to the active state</translation>
    </message>
    <message>
        <source>При переходе в пассивное состояние</source>
        <translation>On change to the passive state</translation>
    </message>
    <message>
        <source>Реакция</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Выход %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Название неактивного состояния</source>
        <translation>Inactive state name</translation>
    </message>
    <message>
        <source>Тип коммутации для дистанционного управления</source>
        <translation>Switching type for remote control</translation>
    </message>
    <message>
        <source>Инверсия выхода</source>
        <translation>Output inversion</translation>
    </message>
    <message>
        <source>Разрешено управлять дистанционно</source>
        <translation>Remote control allowed</translation>
    </message>
    <message>
        <source>Название периметра</source>
        <translation>Perimeter name</translation>
    </message>
    <message>
        <source>Задержка взвода, с</source>
        <translation>Arming delay, s</translation>
    </message>
    <message>
        <source>Режим входа Arm In</source>
        <translation>Arm In input mode</translation>
    </message>
    <message>
        <source>Переход в НАБЛЮДЕНИЕ</source>
        <translation>Change to DISARMED</translation>
    </message>
    <message>
        <source>Начат обратный отсчет</source>
        <translation>Countdown started</translation>
    </message>
    <message>
        <source>Профиль при взятии</source>
        <translation>Profile on arming</translation>
    </message>
    <message>
        <source>Профиль при снятии</source>
        <translation>Profile on disarming</translation>
    </message>
    <message>
        <source>Профиль при обратном отсчете</source>
        <translation>Profile during countdown</translation>
    </message>
    <message>
        <source>Резерв (всегда 0)</source>
        <translation>Reserved (always 0)</translation>
    </message>
    <message>
        <source>Ключ %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Код ключа TOUCH</source>
        <translation>TOUCH key code</translation>
    </message>
    <message>
        <source>Права по периметрам</source>
        <translation>Perimeter rights</translation>
    </message>
    <message>
        <source>Питание и индикация</source>
        <translation>Power and indication</translation>
    </message>
    <message>
        <source>Время усреднения сигнала</source>
        <translation>Signal averaging time</translation>
    </message>
    <message>
        <source>Сообщение при отключении питания</source>
        <translation>Message on power loss</translation>
    </message>
    <message>
        <source>Формировать сообщения не чаще</source>
        <translation>Send messages no more often than</translation>
    </message>
    <message>
        <source>Сообщение при восстановлении питания</source>
        <translation>Message on power restore</translation>
    </message>
    <message>
        <source>GPS информация при изменении питания</source>
        <translation>GPS information on power change</translation>
    </message>
    <message>
        <source>При падении питания</source>
        <translation>On power loss</translation>
    </message>
    <message>
        <source>При восстановлении питания</source>
        <translation>On power restore</translation>
    </message>
    <message>
        <source>Вторая граница разряда</source>
        <translation>Second discharge threshold</translation>
    </message>
    <message>
        <source>Сообщение при разряде до второй границы</source>
        <translation>Message on discharge to the second threshold</translation>
    </message>
    <message>
        <source>Первая граница разряда</source>
        <translation>First discharge threshold</translation>
    </message>
    <message>
        <source>Сообщение при разряде до первой границы</source>
        <translation>Message on discharge to the first threshold</translation>
    </message>
    <message>
        <source>GPS информация при разряде батареи</source>
        <translation>GPS information on battery discharge</translation>
    </message>
    <message>
        <source>При разряде до 2-й границы</source>
        <translation>On discharge to the 2nd threshold</translation>
    </message>
    <message>
        <source>При разряде до 1-й границы</source>
        <translation>On discharge to the 1st threshold</translation>
    </message>
    <message>
        <source>Индикация</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Показывать прошедшую активность входов вспышками</source>
        <translation>Show past input activity by flashes</translation>
    </message>
    <message>
        <source>Выключить индикаторы In1-In8 при закрытом корпусе</source>
        <translation>Switch indicators In1-In8 off while the case is closed</translation>
    </message>
    <message>
        <source>Показывать режим периметра на выходе</source>
        <translation>Show the perimeter mode on an output</translation>
    </message>
    <message>
        <source>Показывать активность входов на ArmOut</source>
        <translation>Show input activity on ArmOut</translation>
    </message>
    <message>
        <source>Температура и вскрытие корпуса</source>
        <translation>Temperature and case tamper</translation>
    </message>
    <message>
        <source>Оповещать о выходе температуры за пределы</source>
        <translation>Notify when the temperature is out of range</translation>
    </message>
    <message>
        <source>Нижняя граница оповещения</source>
        <translation>Lower notification threshold</translation>
    </message>
    <message>
        <source>Верхняя граница оповещения</source>
        <translation>Upper notification threshold</translation>
    </message>
    <message>
        <source>При падении ниже</source>
        <translation>On falling below</translation>
    </message>
    <message>
        <source>Реакция при падении температуры</source>
        <translation>Response to a temperature fall</translation>
    </message>
    <message>
        <source>При превышении</source>
        <translation>On rising above</translation>
    </message>
    <message>
        <source>Реакция при превышении</source>
        <translation>Response to a temperature rise</translation>
    </message>
    <message>
        <source>Оповещать о вскрытии корпуса</source>
        <translation>Notify when the case is opened</translation>
    </message>
    <message>
        <source>Инверсия датчика вскрытия</source>
        <translation>Tamper sensor inversion</translation>
    </message>
    <message>
        <source>При вскрытии устройства</source>
        <translation>On opening of the device</translation>
    </message>
    <message>
        <source>Пороги входа %1</source>
        <translation>Input %1 thresholds</translation>
    </message>
    <message>
        <source>Профиль задаёт пороги входа</source>
        <translation>The profile sets the input thresholds</translation>
    </message>
    <message>
        <source>Профиль %1</source>
        <translation>Profile %1</translation>
    </message>
    <message>
        <source>Название профиля</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>Пороги входов</source>
        <translation>Input thresholds</translation>
    </message>
    <message>
        <source>Воздействие на реле / выходы</source>
        <translation>Relay / output action</translation>
    </message>
    <message>
        <source>Сценарий %1</source>
        <translation>Scenario %1</translation>
    </message>
    <message>
        <source>Повтор</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Шаги</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Калибровка часов, биты 0-15</source>
        <translation>Clock calibration, bits 0-15</translation>
    </message>
    <message>
        <source>Калибровка часов, бит 16</source>
        <translation>Clock calibration, bit 16</translation>
    </message>
    <message>
        <source>Направление калибровки часов</source>
        <translation>Clock calibration direction</translation>
    </message>
    <message>
        <source>Тип батареи</source>
        <translation>Battery type</translation>
    </message>
    <message>
        <source>Разрешить обновление прошивки модема</source>
        <translation>Allow modem firmware update</translation>
    </message>
    <message>
        <source>Отключить проверку CRC ключей TouchMemory</source>
        <translation>Switch off the TouchMemory key CRC check</translation>
    </message>
    <message>
        <source>Служебные байты 3072-3086</source>
        <translation>Service bytes 3072-3086</translation>
    </message>
    <message>
        <source>Служебный байт 3291</source>
        <translation>Service byte 3291</translation>
    </message>
    <message>
        <source>Память режимов</source>
        <translation>Mode memory</translation>
    </message>
    <message>
        <source>Промежуток 5302-5303</source>
        <translation>Gap 5302-5303</translation>
    </message>
    <message>
        <source>Заголовок списка телефонов управления</source>
        <translation>Control phone list header</translation>
    </message>
    <message>
        <source>Телефон управления %1</source>
        <translation>Control phone %1</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Контрольный байт</source>
        <translation>Check byte</translation>
    </message>
    <message>
        <source>Данные (окончание)</source>
        <translation>Data (end)</translation>
    </message>
    <message>
        <source>Питание, температура...</source>
        <translation>Power, temperature...</translation>
    </message>
    <message>
        <source>В %1:%2 в указанные дни недели, строка № %3</source>
        <translation>At %1:%2 on the chosen weekdays, row no. %3</translation>
    </message>
    <message>
        <source>При вскрытии корпуса</source>
        <translation>On opening of the case</translation>
    </message>
    <message>
        <source>При превышении температуры выше %1C</source>
        <translation>On temperature rising above %1C</translation>
    </message>
    <message>
        <source>При падении температуры ниже %1C</source>
        <translation>On temperature falling below %1C</translation>
    </message>
    <message>
        <source>При начале обратного отсчета</source>
        <translation>On start of the countdown</translation>
    </message>
    <message>
        <source>При переходе в режим ОХРАНА</source>
        <translation>On change to ARMED mode</translation>
    </message>
    <message>
        <source>При переходе в режим НАБЛЮДЕНИЕ</source>
        <translation>On change to DISARMED mode</translation>
    </message>
    <message>
        <source>При активизации входа %1</source>
        <translation>On activation of input %1</translation>
    </message>
    <message>
        <source>При деактивизации входа %1</source>
        <translation>On deactivation of input %1</translation>
    </message>
    <message>
        <source>Киев, Харьков</source>
        <translation>Kyiv, Kharkiv</translation>
    </message>
    <message>
        <source>Москва, Санкт-Петербург, Тула</source>
        <translation>Moscow, St. Petersburg, Tula</translation>
    </message>
    <message>
        <source>Ижевск, Самара</source>
        <translation>Izhevsk, Samara</translation>
    </message>
    <message>
        <source>Екатеринбург</source>
        <translation>Yekaterinburg</translation>
    </message>
    <message>
        <source>Омск, Новосибирск, Алма-Ата</source>
        <translation>Omsk, Novosibirsk, Almaty</translation>
    </message>
    <message>
        <source>Красноярск</source>
        <translation>Krasnoyarsk</translation>
    </message>
    <message>
        <source>Иркутск</source>
        <translation>Irkutsk</translation>
    </message>
    <message>
        <source>Якутск</source>
        <translation>Yakutsk</translation>
    </message>
    <message>
        <source>Владивосток</source>
        <translation>Vladivostok</translation>
    </message>
    <message>
        <source>(GMT) Время по Гринвичу: Дублин, Лондон</source>
        <translation>(GMT) Greenwich Mean Time: Dublin, London</translation>
    </message>
    <message>
        <source>текст должен быть в кавычках</source>
        <translation>the text must be in quotes</translation>
    </message>
    <message>
        <source>неверная escape-последовательность в тексте</source>
        <translation>invalid escape sequence in the text</translation>
    </message>
    <message>
        <source>символ NUL внутри текста</source>
        <translation>NUL character inside the text</translation>
    </message>
    <message>
        <source>символ «%1» не входит в кодовую страницу 1251</source>
        <translation>character &quot;%1&quot; is not in code page 1251</translation>
    </message>
    <message>
        <source>нет закрывающей кавычки</source>
        <translation>no closing quote</translation>
    </message>
    <message>
        <source>текст длиннее поля (%1 байт)</source>
        <translation>the text is longer than the field (%1 bytes)</translation>
    </message>
    <message>
        <source>после текста ожидается + и байты, начиная с 00</source>
        <translation>after the text, + and bytes starting with 00 are expected</translation>
    </message>
    <message>
        <source>текст и байты за ним должны занимать ровно %1 байт</source>
        <translation>the text and the bytes after it must take exactly %1 bytes</translation>
    </message>
    <message>
        <source>значение не число: «%1»</source>
        <translation>the value is not a number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ожидается адрес вида 192.168.1.10</source>
        <translation>an address like 192.168.1.10 is expected</translation>
    </message>
    <message>
        <source>ожидаются байты в шестнадцатеричном виде (0A FF ...)</source>
        <translation>bytes in hexadecimal are expected (0A FF ...)</translation>
    </message>
    <message>
        <source>ожидается %1 байт, задано %2</source>
        <translation>%1 bytes expected, %2 given</translation>
    </message>
    <message>
        <source>байт %1 задаёт биты, которые принадлежат полям</source>
        <translation>byte %1 sets bits that belong to fields</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not in UTF-8 encoding</translation>
    </message>
    <message>
        <source>строка не вида «[страница] название = значение»</source>
        <translation>the line is not of the form &quot;[page] name = value&quot;</translation>
    </message>
    <message>
        <source>неизвестное поле «%1»</source>
        <translation>unknown field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>поле «%1» находится на странице %2, а не %3</source>
        <translation>field &quot;%1&quot; is on page %2, not %3</translation>
    </message>
    <message>
        <source>поле уже задано в строке %1</source>
        <translation>the field is already set on line %1</translation>
    </message>
    <message>
        <source>Применить профиль %1</source>
        <translation>Apply profile %1</translation>
    </message>
    <message>
        <source>Периметр 1 и 2</source>
        <translation>Perimeters 1 and 2</translation>
    </message>
    <message>
        <source>Периметр 3 и 4</source>
        <translation>Perimeters 3 and 4</translation>
    </message>
    <message>
        <source>Все периметры</source>
        <translation>All perimeters</translation>
    </message>
    <message>
        <source>Часы и тестовые сообщения</source>
        <translation>Clock and test messages</translation>
    </message>
    <message>
        <source>Автоматический переход на летнее время и обратно</source>
        <translation>Switch to daylight saving time and back automatically</translation>
    </message>
    <message>
        <source>Планировщик задач</source>
        <translation>Task scheduler</translation>
    </message>
    <message>
        <source> Текущее время и дата </source>
        <translation> Current time and date </translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Синхро.</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Время контроллера</source>
        <translation>Controller time</translation>
    </message>
    <message>
        <source>Время компьютера</source>
        <translation>Computer time</translation>
    </message>
    <message>
        <source>Установка времени и даты</source>
        <translation>Setting the time and date</translation>
    </message>
    <message>
        <source> Состав информационного сообщения </source>
        <translation> Contents of the information message </translation>
    </message>
    <message>
        <source>Вх. %1</source>
        <translation>In. %1</translation>
    </message>
    <message>
        <source>Р%1</source>
        <translation>R%1</translation>
    </message>
    <message>
        <source>Вых.%1</source>
        <translation>Out.%1</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Пн</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Ср</source>
        <translation>We</translation>
    </message>
    <message>
        <source>Чт</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>Пт</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Сб</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Вс</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>не менять</source>
        <translation>do not change</translation>
    </message>
    <message>
        <source>Противоположный</source>
        <translation>Opposite</translation>
    </message>
    <message>
        <source>Запрещен</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Дискретный</source>
        <translation>Discrete</translation>
    </message>
    <message>
        <source>Аналоговый</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <source>Термодатчик TS-41</source>
        <translation>Temperature sensor TS-41</translation>
    </message>
    <message>
        <source>Термодатчик TS-42</source>
        <translation>Temperature sensor TS-42</translation>
    </message>
    <message>
        <source>Низкий (Uвх. &lt;= Нижн. гр.) или высокий (Uвх. &gt;= Верхн. гр.)</source>
        <translation>Low (Uin &lt;= Lower thr.) or high (Uin &gt;= Upper thr.)</translation>
    </message>
    <message>
        <source>Низкий (Uвх. &lt;= Нижн. гр.)</source>
        <translation>Low (Uin &lt;= Lower thr.)</translation>
    </message>
    <message>
        <source>Свободный (Нижн. гр. &lt;= Uвх. &lt;= Верхн. гр.)</source>
        <translation>Free (Lower thr. &lt;= Uin &lt;= Upper thr.)</translation>
    </message>
    <message>
        <source>Высокий (Uвх. &gt;= Верхн. гр.)</source>
        <translation>High (Uin &gt;= Upper thr.)</translation>
    </message>
    <message>
        <source>Низкий гистерезисный (Uвх. &lt;= Нижн. гр.)</source>
        <translation>Low with hysteresis (Uin &lt;= Lower thr.)</translation>
    </message>
    <message>
        <source>Высокий гистерезисный (Uвх. &gt;= Верхн. гр.)</source>
        <translation>High with hysteresis (Uin &gt;= Upper thr.)</translation>
    </message>
    <message>
        <source>Всегда контролировать этот вход (24 часа в сутки)</source>
        <translation>Always monitor this input (24 hours a day)</translation>
    </message>
    <message>
        <source>напрямую, сигналом на входе</source>
        <translation>directly, by the signal at the input</translation>
    </message>
    <message>
        <source>тревожным событием, с учетом блокировки</source>
        <translation>by the alarm event, with blocking</translation>
    </message>
    <message>
        <source>тревожным событием, без учета блокировки</source>
        <translation>by the alarm event, without blocking</translation>
    </message>
    <message>
        <source>Не переходить в режим Охрана при активном состоянии входа</source>
        <translation>Do not change to ARMED mode while the input is active</translation>
    </message>
    <message>
        <source> Сек.</source>
        <translation> sec.</translation>
    </message>
    <message>
        <source>Порт питания датчиков (10VS)</source>
        <translation>Sensor power port (10VS)</translation>
    </message>
    <message>
        <source>По шлейфу, со сбросом питания</source>
        <translation>Over the loop, with power reset</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>без ограничения</source>
        <translation>without limit</translation>
    </message>
    <message>
        <source>не более 1 раза</source>
        <translation>no more than once</translation>
    </message>
    <message>
        <source>не более 3 раз</source>
        <translation>no more than 3 times</translation>
    </message>
    <message>
        <source>не более 7 раз</source>
        <translation>no more than 7 times</translation>
    </message>
    <message>
        <source>Название активного состояния входа</source>
        <translation>Name of the input&apos;s active state</translation>
    </message>
    <message>
        <source>Название пассивного состояния входа</source>
        <translation>Name of the input&apos;s passive state</translation>
    </message>
    <message>
        <source>Источник питания датчиков поключенных к этому входу</source>
        <translation>Power source of the sensors connected to this input</translation>
    </message>
    <message>
        <source>Время усреднения входного сгнала</source>
        <translation>Averaging time of the input signal</translation>
    </message>
    <message>
        <source> Активный входной уровень </source>
        <translation> Active input level </translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source> Фильтр ложных тревожных событий </source>
        <translation> False alarm filter </translation>
    </message>
    <message>
        <source>Формировать тревожное событие, когда зафиксированно</source>
        <translation>Raise an alarm event when there were</translation>
    </message>
    <message>
        <source>минимум</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>активизации за время</source>
        <translation>activations within</translation>
    </message>
    <message>
        <source>Время восстановления опроса входа  после возникновения тревожного события, Мин</source>
        <translation>Time before the input is scanned again after an alarm event, min.</translation>
    </message>
    <message>
        <source>Задержка формирования тревожного события и управления реле при активизации входа</source>
        <translation>Delay of the alarm event and of relay control on input activation</translation>
    </message>
    <message>
        <source>Все реле/выходы управляются</source>
        <translation>All relays/outputs are controlled</translation>
    </message>
    <message>
        <source>В одной охранной сессии формировать тревожные события</source>
        <translation>Alarm events in one armed session</translation>
    </message>
    <message>
        <source>Установить голосовое соединение для связи через внешнее переговорное устройство, по номеру </source>
        <translation>Set up a voice call through an external intercom to number </translation>
    </message>
    <message>
        <source> При переходе в акт. сост. </source>
        <translation> On change to active state </translation>
    </message>
    <message>
        <source> При переходе в пасс. сост. </source>
        <translation> On change to passive state </translation>
    </message>
    <message>
        <source>Зависит от режима (Охрана - включен, Наблюдение - выключен)</source>
        <translation>Depends on the mode (ARMED - on, DISARMED - off)</translation>
    </message>
    <message>
        <source>Питание всегда подано</source>
        <translation>Power always on</translation>
    </message>
    <message>
        <source>Питание датчиков, порт 10VS</source>
        <translation>Sensor power, port 10VS</translation>
    </message>
    <message>
        <source>Время отключения питания датчиков, питающихся по шлейфу, после тревоги</source>
        <translation>Power-off time of loop-powered sensors after an alarm</translation>
    </message>
    <message>
        <source>Не опрашивать входы после подачи питания на порт 10VS</source>
        <translation>Do not scan the inputs after power is applied to port 10VS</translation>
    </message>
    <message>
        <source>Задержка опроса входов после включения или выхода из режима пониженного потребления</source>
        <translation>Input scan delay after power-up or after leaving the low-power mode</translation>
    </message>
    <message>
        <source>0-10 В</source>
        <translation>0-10 V</translation>
    </message>
    <message>
        <source>вых</source>
        <translation>out</translation>
    </message>
    <message>
        <source>In1: аналоговый</source>
        <translation>In1: analogue</translation>
    </message>
    <message>
        <source>датчик 0-10 В</source>
        <translation>sensor 0-10 V</translation>
    </message>
    <message>
        <source>In3: дискретный</source>
        <translation>In3: discrete</translation>
    </message>
    <message>
        <source>контакт на GND</source>
        <translation>contact to GND</translation>
    </message>
    <message>
        <source>In5: термодатчик</source>
        <translation>In5: temp. sensor</translation>
    </message>
    <message>
        <source>TS-41 или TS-42</source>
        <translation>TS-41 or TS-42</translation>
    </message>
    <message>
        <source>Входы In1-In8</source>
        <translation>Inputs In1-In8</translation>
    </message>
    <message>
        <source>равноценны: тип каждого входа выбирается на его странице.
10VS - питание датчиков,
GND - общий провод.</source>
        <translation>are alike: each input&apos;s type is chosen on its page.
10VS - sensor power,
GND - common wire.</translation>
    </message>
    <message>
        <source> Границы тревожной зоны </source>
        <translation> Alarm zone thresholds </translation>
    </message>
    <message>
        <source> Воздействие на реле / выходы </source>
        <translation> Relay / output action </translation>
    </message>
    <message>
        <source>Профиль - это совокупность параметров объединенных в группу, которые могут быть применены одновременно по команде SMS или </source>
        <translation>A profile is a set of parameters grouped together that can be applied at once by an SMS command or </translation>
    </message>
    <message>
        <source>в указанное время, согласно настройке планировщика задач. Профиль можно использовать для дистанционного изменения границ </source>
        <translation>at a given time, as set in the task scheduler. A profile can be used to change remotely the limits of </translation>
    </message>
    <message>
        <source>температуры в контуре регулирования, для этого профиль активизируется по имени. При активизации профиля новые параметры </source>
        <translation>the temperature in a control loop; for this the profile is activated by its name. When a profile is activated, its new parameters </translation>
    </message>
    <message>
        <source>заменяют ранее установленные, после чего устройство начинает работать с новыми значениями. Дополнительно, профиль позволяет </source>
        <translation>replace those set before, and the device then works with the new values. In addition, a profile can </translation>
    </message>
    <message>
        <source>включить несколько реле или выходов одновременно, если потребуется.</source>
        <translation>switch on several relays or outputs at once, if needed.</translation>
    </message>
    <message>
        <source>В</source>
        <comment>upper threshold</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>Н</source>
        <comment>lower threshold</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>Калибровка входа</source>
        <translation>Input calibration</translation>
    </message>
    <message>
        <source>Введите желаемое значение </source>
        <translation>Enter the wanted value </translation>
    </message>
    <message>
        <source>уровень</source>
        <translation>level</translation>
    </message>
    <message>
        <source>Разрешено управлять дистанционно (DTMF, SMS, DATA)</source>
        <translation>Remote control allowed (DTMF, SMS, DATA)</translation>
    </message>
    <message>
        <source>Тип коммутации для дистанционного управления (DTMF, SMS, DATA)</source>
        <translation>Switching type for remote control (DTMF, SMS, DATA)</translation>
    </message>
    <message>
        <source>Выход
%1</source>
        <translation>Output
%1</translation>
    </message>
    <message>
        <source>Питание, температура системной платы, индикация, контроль вскрытия корпуса</source>
        <translation>Power, system board temperature, indication, case tamper control</translation>
    </message>
    <message>
        <source> Основное питание </source>
        <translation> Main power </translation>
    </message>
    <message>
        <source>Формировать сообщение при отключении</source>
        <translation>Send a message on power loss</translation>
    </message>
    <message>
        <source>Формировать сообщение при восстановлении</source>
        <translation>Send a message on power restore</translation>
    </message>
    <message>
        <source>Отправить GPS информацию при изменении питания</source>
        <translation>Send GPS information on a power change</translation>
    </message>
    <message>
        <source>Напряжение питания</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source> Батарея </source>
        <translation> Battery </translation>
    </message>
    <message>
        <source>Формировать сообщение при разряде до второй границы</source>
        <translation>Send a message on discharge to the second threshold</translation>
    </message>
    <message>
        <source>Формировать сообщение при разряде до первой границы</source>
        <translation>Send a message on discharge to the first threshold</translation>
    </message>
    <message>
        <source>Отправить GPS информацию при разряде батареи</source>
        <translation>Send GPS information on battery discharge</translation>
    </message>
    <message>
        <source>Заряд батареи</source>
        <translation>Battery charge</translation>
    </message>
    <message>
        <source> Индикация </source>
        <translation> Indication </translation>
    </message>
    <message>
        <source>Показывать активность входов на ArmOut в реж. ОХРАНА</source>
        <translation>Show input activity on ArmOut in ARMED mode</translation>
    </message>
    <message>
        <source> Температура системной платы </source>
        <translation> System board temperature </translation>
    </message>
    <message>
        <source>Оповещать о выходе температуры за указанные пределы</source>
        <translation>Notify when the temperature leaves the set limits</translation>
    </message>
    <message>
        <source> Датчик вскрытия корпуса </source>
        <translation> Case tamper sensor </translation>
    </message>
    <message>
        <source>Оповещать о вскрытии корпуса устройства</source>
        <translation>Notify when the device case is opened</translation>
    </message>
    <message>
        <source>Инверсия</source>
        <translation>Inversion</translation>
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
        <source>Сценарии управления выходами</source>
        <translation>Output control scenarios</translation>
    </message>
    <message>
        <source>Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа</source>
        <translation>Access is refused without the password: the program cannot get the key code</translation>
    </message>
    <message>
        <source>Ключи TouchMemory (общие для всех периметров)</source>
        <translation>TouchMemory keys (shared by all perimeters)</translation>
    </message>
    <message>
        <source>Приложите ключ к считывателю - его код будет внесен в таблицу</source>
        <translation>Touch the reader with a key - its code will be entered in the table</translation>
    </message>
    <message>
        <source>Не применять профиль</source>
        <translation>Do not apply a profile</translation>
    </message>
    <message>
        <source>Задержка взвода после поступления активного уровня, С</source>
        <translation>Arming delay after the active level arrives, sec.</translation>
    </message>
    <message>
        <source>Режим (ОХРАНА/НАБЛЮДЕНИЕ) отображается на выходе ARMOut</source>
        <translation>The mode (ARMED/DISARMED) is shown on output ARMOut</translation>
    </message>
    <message>
        <source> Режим входа [Arm In] </source>
        <translation> Input mode [Arm In] </translation>
    </message>
    <message>
        <source>Переход в режим ОХРАНА - импульс &gt; 3 Сек.</source>
        <translation>Change to ARMED mode - pulse &gt; 3 sec.</translation>
    </message>
    <message>
        <source>Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory</source>
        <translation>ARMED/DISARMED mode change - TouchMemory</translation>
    </message>
    <message>
        <source>Переход в режим НАБЛЮДЕНИЕ - импульс &lt; 3 Сек.</source>
        <translation>Change to DISARMED mode - pulse &lt; 3 sec.</translation>
    </message>
    <message>
        <source> Связанные с периметром входы </source>
        <translation> Inputs linked to the perimeter </translation>
    </message>
    <message>
        <source>Переход в режим ОХРАНА </source>
        <translation>Change to ARMED mode </translation>
    </message>
    <message>
        <source> Переход в НАБЛЮДЕНИЕ </source>
        <translation> Change to DISARMED </translation>
    </message>
    <message>
        <source> Начат обратный отсчет </source>
        <translation> Countdown started </translation>
    </message>
    <message>
        <source>№</source>
        <translation>#</translation>
    </message>
    <message>
        <source> О</source>
        <translation> A</translation>
    </message>
    <message>
        <source> Н</source>
        <translation> D</translation>
    </message>
    <message>
        <source>Проф.</source>
        <translation>Prof.</translation>
    </message>
    <message>
        <source>Резервные копии</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Открытие файла конфигурации</source>
        <translation>Open configuration file</translation>
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
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>GSM Controller Configurator VRM---</translation>
    </message>
    <message>
        <source>Открыть файл конфигурации</source>
        <translation>Open configuration file</translation>
    </message>
    <message>
        <source>Сохранить текущую конфигурацию в файл</source>
        <translation>Save the current configuration to a file</translation>
    </message>
    <message>
        <source>Загрузить конфигурацию в контроллер и перезапустить</source>
        <translation>Load the configuration into the controller and restart it</translation>
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
        <source>Сравнить текущую конфигурацию с конфигурацией контроллера</source>
        <translation>Compare the current configuration with the controller&apos;s</translation>
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
        <source>Перезапустить контроллер</source>
        <translation>Restart the controller</translation>
    </message>
    <message>
        <source>Настройка COM порта</source>
        <translation>COM port settings</translation>
    </message>
    <message>
        <source>Последние файлы</source>
        <translation>Recent files</translation>
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
        <source> События воздействующие на это реле [Вкладка | Воздействие | Событие] </source>
        <translation> Events acting on this relay [Tab | Action | Event] </translation>
    </message>
    <message>
        <source> События воздействующие на этот выход [Вкладка | Воздействие | Событие] </source>
        <translation> Events acting on this output [Tab | Action | Event] </translation>
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
        <source>Поддерживаемые версии устройства</source>
        <translation>Supported device versions</translation>
    </message>
    <message>
        <source>Показать версию программы и поддерживаемые версии устройства.</source>
        <translation>Show the program version and the supported device versions.</translation>
    </message>
    <message>
        <source>Аппаратная версия: %1
Версия ПО: %2
Версия загрузчика: %3</source>
        <translation>Hardware version: %1
Software version: %2
Boot loader version: %3</translation>
    </message>
    <message>
        <source>Часы контроллера: %1</source>
        <translation>Controller clock: %1</translation>
    </message>
    <message>
        <source>GSM: %1, сигнал %2</source>
        <translation>GSM: %1, signal %2</translation>
    </message>
    <message>
        <source>Питание: %1</source>
        <translation>Supply: %1</translation>
    </message>
    <message>
        <source>Батарея: %1 %2</source>
        <translation>Battery: %1 %2</translation>
    </message>
    <message>
        <source>Входы 1-8: %1</source>
        <translation>Inputs 1-8: %1</translation>
    </message>
    <message>
        <source>Реле 1-2, выходы 1-5: %1</source>
        <translation>Relays 1-2, outputs 1-5: %1</translation>
    </message>
    <message>
        <source>Температура: %1</source>
        <translation>Temperature: %1</translation>
    </message>
    <message>
        <source>Устройство: %1
Модификация: %2
%3
Дата: %4
Код страны: %5
IMEI: %6
Серийный номер: %7</source>
        <translation>Device: %1
Modification: %2
%3
Date: %4
Country code: %5
IMEI: %6
Serial number: %7</translation>
    </message>
    <message>
        <source>Конфигурация контроллера записана в %1</source>
        <translation>Controller configuration written to %1</translation>
    </message>
    <message>
        <source>контроллер</source>
        <translation>controller</translation>
    </message>
    <message>
        <source>Список последовательных портов с описаниями.</source>
        <translation>List the serial ports with their descriptions.</translation>
    </message>
    <message>
        <source>Идентификация контроллера: устройство, модификация, версии, IMEI.</source>
        <translation>Identify the controller: device, modification, versions, IMEI.</translation>
    </message>
    <message>
        <source>Считать конфигурацию контроллера в файл.</source>
        <translation>Read the controller configuration into a file.</translation>
    </message>
    <message>
        <source>Записать конфигурацию из файла в контроллер (с проверкой) и перезапустить его.</source>
        <translation>Write the configuration from a file into the controller (verified) and restart it.</translation>
    </message>
    <message>
        <source>Сравнить файл с конфигурацией контроллера; различия по полям на стандартный вывод.</source>
        <translation>Compare a file with the controller configuration; field differences go to standard output.</translation>
    </message>
    <message>
        <source>Сравнить два файла конфигурации по полям.</source>
        <translation>Compare two configuration files field by field.</translation>
    </message>
    <message>
        <source>Файл конфигурации в текстовом виде (UTF-8, строка на поле).</source>
        <translation>A configuration file as text (UTF-8, one line per field).</translation>
    </message>
    <message>
        <source>Текстовый вид обратно в файл конфигурации.</source>
        <translation>Text back into a configuration file.</translation>
    </message>
    <message>
        <source>Текущее состояние контроллера (часы, GSM, питание, входы, выходы).</source>
        <translation>Live controller status (clock, GSM, supply, inputs, outputs).</translation>
    </message>
    <message>
        <source>Пароль администратора берётся из переменной окружения VRM530_PASSWORD, а если её нет и ввод идёт с терминала, запрашивается без эха. В командной строке пароль не задаётся.</source>
        <translation>The administrator password comes from the environment variable VRM530_PASSWORD; without it, when input comes from a terminal, it is asked for without echo. The password is never given on the command line.</translation>
    </message>
    <message>
        <source>Порт: COM3, ttyUSB0, pts/4 (по умолчанию из VRMConfig.cfg в текущей папке).</source>
        <translation>Port: COM3, ttyUSB0, pts/4 (by default the one VRMConfig.cfg in the current folder names).</translation>
    </message>
    <message>
        <source>Использование: vrm530-cli [общие параметры] КОМАНДА [параметры] [файлы]</source>
        <translation>Usage: vrm530-cli [common options] COMMAND [options] [files]</translation>
    </message>
    <message>
        <source>Команды:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Общие параметры, до или после команды:</source>
        <translation>Common options, before or after the command:</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Вывод в JSON, объект на строку.</source>
        <translation>Output as JSON, one object per line.</translation>
    </message>
    <message>
        <source>Язык сообщений: ru (по умолчанию) или en.</source>
        <translation>Message language: ru (default) or en.</translation>
    </message>
    <message>
        <source>vrm530-cli КОМАНДА --help: параметры команды.
Код завершения: 0 успех или совпадение, 1 различия (compare, diff), 2 ошибка устройства или файла.</source>
        <translation>vrm530-cli COMMAND --help: the options of a command.
Exit status: 0 success or equal, 1 different (compare, diff), 2 a device or file error.</translation>
    </message>
    <message>
        <source>vrm530-cli --help: список команд</source>
        <translation>vrm530-cli --help: list of commands</translation>
    </message>
    <message>
        <source>параметру --%1 нужно значение</source>
        <translation>option --%1 needs a value</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1» перед командой</source>
        <translation>unknown option “%1” before the command</translation>
    </message>
    <message>
        <source>неизвестная команда «%1»</source>
        <translation>unknown command “%1”</translation>
    </message>
    <message>
        <source>Эта справка.</source>
        <translation>This help.</translation>
    </message>
    <message>
        <source>Очистить память режимов при программировании.</source>
        <translation>Clear the modes memory when programming.</translation>
    </message>
    <message>
        <source>Записать текст в файл, а не на стандартный вывод.</source>
        <translation>Write the text to a file instead of standard output.</translation>
    </message>
    <message>
        <source>Повторять каждую секунду до Ctrl+C.</source>
        <translation>Repeat every second until Ctrl+C.</translation>
    </message>
    <message>
        <source>параметр --%1 не относится к команде %2</source>
        <translation>option --%1 does not apply to the command %2</translation>
    </message>
    <message>
        <source>%1: ожидается %2</source>
        <translation>%1: expects %2</translation>
    </message>
    <message>
        <source>без файлов</source>
        <translation>no files</translation>
    </message>
    <message>
        <source>Пароль администратора (пусто: без пароля): </source>
        <translation>Administrator password (empty: none): </translation>
    </message>
    <message>
        <source># VRM530: конфигурация в текстовом виде, формат 1</source>
        <translation># VRM530: configuration as text, format 1</translation>
    </message>
    <message>
        <source># [страница] название = значение; поле, которого нет в тексте, получает заводское значение</source>
        <translation># [page] name = value; a field missing from the text gets its factory value</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Экспорт отчёта</source>
        <translation>Export report</translation>
    </message>
    <message>
        <source>Отчёт PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт HTML (*.html *.htm)</source>
        <translation>HTML report (*.html *.htm)</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Экспорт отчёта…</source>
        <translation>Export report…</translation>
    </message>
    <message>
        <source>report: файл отчёта -o с расширением .pdf или .html</source>
        <translation>report: the report file -o must end in .pdf or .html</translation>
    </message>
    <message>
        <source>Отчёт о конфигурации из файла для печати: PDF или HTML по расширению файла -o.</source>
        <translation>Configuration report of a file, to print or hand over: PDF or HTML by the extension of the -o file.</translation>
    </message>
    <message>
        <source>Файл отчёта: .pdf или .html.</source>
        <translation>The report file: .pdf or .html.</translation>
    </message>
    <message>
        <source>Только поля, отличающиеся от заводской конфигурации.</source>
        <translation>Only the fields that differ from the factory configuration.</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Конфигурация контроллера VRM530</source>
        <translation>VRM530 controller configuration</translation>
    </message>
    <message>
        <source>Конфигурация контроллера VRM530: отличия от заводской</source>
        <translation>VRM530 controller configuration: differences from the factory configuration</translation>
    </message>
    <message>
        <source>Дата отчёта</source>
        <translation>Report date</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Версия ПО</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Записана в контроллер</source>
        <translation>Programmed into the controller</translation>
    </message>
    <message>
        <source>Считана из контроллера</source>
        <translation>Read from the controller</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>только поля, отличающиеся от заводской конфигурации</source>
        <translation>only the fields that differ from the factory configuration</translation>
    </message>
    <message>
        <source>Конфигурация совпадает с заводской.</source>
        <translation>The configuration is the factory configuration.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <comment>backups</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Имя пользователя</source>
        <comment>sms identity</comment>
        <translation>User name</translation>
    </message>
    <message>
        <source>Общие параметры GPRS</source>
        <comment>page title</comment>
        <translation>GPRS common parameters</translation>
    </message>
    <message>
        <source>Программировать</source>
        <comment>system parameters</comment>
        <translation>Program</translation>
    </message>
    <message>
        <source>ОХРАНА</source>
        <comment>mode choice</comment>
        <translation>ARMED</translation>
    </message>
    <message>
        <source>НАБЛЮДЕНИЕ</source>
        <comment>mode choice</comment>
        <translation>DISARMED</translation>
    </message>
    <message>
        <source>Входы</source>
        <comment>page title</comment>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <comment>terminal</comment>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <comment>terminal</comment>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Первая граница разряда</source>
        <comment>hint</comment>
        <translation>First discharge threshold</translation>
    </message>
    <message>
        <source>Вторая граница разряда</source>
        <comment>hint</comment>
        <translation>Second discharge threshold</translation>
    </message>
    <message>
        <source> GSM </source>
        <translation> GSM </translation>
    </message>
    <message>
        <source>Периметр %1</source>
        <comment>status page</comment>
        <translation>Perimeter %1</translation>
    </message>
    <message>
        <source>ОХРАНА</source>
        <comment>mode name</comment>
        <translation>ARMED</translation>
    </message>
    <message>
        <source>НАБЛЮДЕНИЕ</source>
        <comment>mode name</comment>
        <translation>DISARMED</translation>
    </message>
    <message>
        <source>ЗАЩИТА</source>
        <comment>mode name</comment>
        <translation>PROTECTION</translation>
    </message>
    <message>
        <source>Реле 1</source>
        <comment>output name</comment>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <comment>output name</comment>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <comment>enable caption</comment>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Разрешен</source>
        <comment>enable caption</comment>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Установить стандартную конфигурацию</source>
        <comment>hint</comment>
        <translation>Set the standard configuration</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <comment>temperature</comment>
        <translation>Current value</translation>
    </message>
    <message>
        <source>значение %1 вне диапазона %2</source>
        <translation>value %1 out of range %2</translation>
    </message>
    <message>
        <source>вне допустимых значений %1</source>
        <translation>outside the allowed values %1</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ч</source>
        <translation>h</translation>
    </message>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>WardLink</source>
        <translation>WardLink</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>поле «%1»: %2</source>
        <translation>field “%1”: %2</translation>
    </message>
    <message>
        <source>Отчёт сохраняется в файл .pdf или .html</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
