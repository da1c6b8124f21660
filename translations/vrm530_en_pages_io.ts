<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Ui</name>
    <message>
        <source>Применить профиль %1</source>
        <translation>Apply profile %1</translation>
    </message>
    <message>
        <source>Периметр %1</source>
        <translation>Perimeter %1</translation>
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
        <source>Часовой пояс</source>
        <translation>Time zone</translation>
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
        <source>Доп. параметр</source>
        <translation>Extra parameter</translation>
    </message>
    <message>
        <source>не менять</source>
        <translation>do not change</translation>
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
        <source>Отправить GPS информацию</source>
        <translation>Send GPS information</translation>
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
        <source>Название входа</source>
        <translation>Input name</translation>
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
        <source>Тип входа</source>
        <translation>Input type</translation>
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
        <source>Верхняя граница</source>
        <translation>Upper threshold</translation>
    </message>
    <message>
        <source>Нижняя граница</source>
        <translation>Lower threshold</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Current value</translation>
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
        <source>Входы</source>
        <translation>Inputs</translation>
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
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source> Границы тревожной зоны </source>
        <translation> Alarm zone thresholds </translation>
    </message>
    <message>
        <source>Название профиля</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source> Воздействие на реле / выходы </source>
        <translation> Relay / output action </translation>
    </message>
    <message>
        <source>Профили</source>
        <translation>Profiles</translation>
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
        <source>сценарий %1</source>
        <translation>scenario %1</translation>
    </message>
    <message>
        <source>Выходы</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Разрешено</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Инверсия выхода</source>
        <translation>Output inversion</translation>
    </message>
    <message>
        <source>Разрешено управлять дистанционно (DTMF, SMS, DATA)</source>
        <translation>Remote control allowed (DTMF, SMS, DATA)</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Название активного состояния</source>
        <translation>Active state name</translation>
    </message>
    <message>
        <source>Название неактивного состояния</source>
        <translation>Inactive state name</translation>
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
        <source>Реле 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Реле 2</source>
        <translation>Relay 2</translation>
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
        <source>Время усреднения сигнала</source>
        <translation>Signal averaging time</translation>
    </message>
    <message>
        <source>Формировать сообщения не чаще</source>
        <translation>Send messages no more often than</translation>
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
        <source>Напряжение питания</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source> Батарея </source>
        <translation> Battery </translation>
    </message>
    <message>
        <source>Первая граница разряда</source>
        <translation>First discharge threshold</translation>
    </message>
    <message>
        <source>Вторая граница разряда</source>
        <translation>Second discharge threshold</translation>
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
        <source>При разряде до 1-й границы</source>
        <translation>On discharge to the 1st threshold</translation>
    </message>
    <message>
        <source>При разряде до 2-й границы</source>
        <translation>On discharge to the 2nd threshold</translation>
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
        <source>Показывать прошедшую активность входов вспышками</source>
        <translation>Show past input activity by flashes</translation>
    </message>
    <message>
        <source>Выключить индикаторы In1-In8 при закрытом корпусе</source>
        <translation>Switch indicators In1-In8 off while the case is closed</translation>
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
        <source>Верхняя граница оповещения</source>
        <translation>Upper notification threshold</translation>
    </message>
    <message>
        <source>Нижняя граница оповещения</source>
        <translation>Lower notification threshold</translation>
    </message>
    <message>
        <source>При превышении</source>
        <translation>On rising above</translation>
    </message>
    <message>
        <source>При падении ниже</source>
        <translation>On falling below</translation>
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
        <source>При вскрытии устройства</source>
        <translation>On opening of the device</translation>
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
        <source>Название периметра</source>
        <translation>Perimeter name</translation>
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
        <source>Код ключа TOUCH</source>
        <translation>TOUCH key code</translation>
    </message>
    <message>
        <source>Имя пользователя</source>
        <translation>User name</translation>
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
</context>
</TS>
