<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BMS_Info</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>No values read yet: press Read.</source>
        <translation>No values read yet: press Read.</translation>
    </message>
    <message>
        <source>Spread %1 · highest %2 (No.%3) · lowest %4 (No.%5) · mean %6</source>
        <translation>Spread %1 · highest %2 (No.%3) · lowest %4 (No.%5) · mean %6</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Module %1</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>No.%1</translation>
    </message>
</context>
<context>
    <name>BmsInfo</name>
    <message>
        <source>Charging:%1A</source>
        <translation>Charging:%1A</translation>
    </message>
    <message>
        <source>DisCharging:%1A</source>
        <translation>DisCharging:%1A</translation>
    </message>
    <message>
        <source>Battery Over Voltage;</source>
        <translation>Battery Over Voltage;</translation>
    </message>
    <message>
        <source>Battery Under Voltage;</source>
        <translation>Battery Under Voltage;</translation>
    </message>
    <message>
        <source>Cell Over Voltage;</source>
        <translation>Cell Over Voltage;</translation>
    </message>
    <message>
        <source>Cell Under Voltage;</source>
        <translation>Cell Under Voltage;</translation>
    </message>
    <message>
        <source>Voltage Sensor Failure;</source>
        <translation>Voltage Sensor Failure;</translation>
    </message>
    <message>
        <source>Temperature Sensor Failure;</source>
        <translation>Temperature Sensor Failure;</translation>
    </message>
    <message>
        <source>High Temperature Discharging (Cells);</source>
        <translation>High Temperature Discharging (Cells);</translation>
    </message>
    <message>
        <source>Low Temperature Discharging (Cells);</source>
        <translation>Low Temperature Discharging (Cells);</translation>
    </message>
    <message>
        <source>High Temperature Charging (Cells);</source>
        <translation>High Temperature Charging (Cells);</translation>
    </message>
    <message>
        <source>Low Temperature Charging (Cells);</source>
        <translation>Low Temperature Charging (Cells);</translation>
    </message>
    <message>
        <source>Over Current Discharging;</source>
        <translation>Over Current Discharging;</translation>
    </message>
    <message>
        <source>Over Current Charging;</source>
        <translation>Over Current Charging;</translation>
    </message>
    <message>
        <source>Main circuit Failure;</source>
        <translation>Main circuit Failure;</translation>
    </message>
    <message>
        <source>Short Circuit Alarm;</source>
        <translation>Short Circuit Alarm;</translation>
    </message>
    <message>
        <source>Cells ImBalance;</source>
        <translation>Cells ImBalance;</translation>
    </message>
    <message>
        <source>Current Sensor Failure;</source>
        <translation>Current Sensor Failure;</translation>
    </message>
</context>
<context>
    <name>BmsInfoRead</name>
    <message>
        <source>No BMS to read yet: press Refresh on the System Info tab first.</source>
        <translation>No BMS to read yet: press Refresh on the System Info tab first.</translation>
    </message>
    <message>
        <source>No BMS to read.</source>
        <translation>No BMS to read.</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: the BMS information was not read.</source>
        <translation>No valid reply from the BMU: the BMS information was not read.</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: the BMS information is incomplete.</source>
        <translation>No valid reply from the BMU: the BMS information is incomplete.</translation>
    </message>
    <message>
        <source>The BMU did not get the BMS information ready.</source>
        <translation>The BMU did not get the BMS information ready.</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: a page of the BMS information went missing.</source>
        <translation>No valid reply from the BMU: a page of the BMS information went missing.</translation>
    </message>
</context>
<context>
    <name>BmsTables</name>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Battery SN</source>
        <translation>Battery SN</translation>
    </message>
    <message>
        <source>Section A</source>
        <translation>Section A</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC</translation>
    </message>
    <message>
        <source>Section B</source>
        <translation>Section B</translation>
    </message>
    <message>
        <source>Battery total voltage</source>
        <translation>Battery total voltage</translation>
    </message>
    <message>
        <source>Running Section</source>
        <translation>Running Section</translation>
    </message>
    <message>
        <source>Pack Voltage</source>
        <translation>Pack Voltage</translation>
    </message>
    <message>
        <source>Threshold table A</source>
        <translation>Threshold table A</translation>
    </message>
    <message>
        <source>Battery Current</source>
        <translation>Battery Current</translation>
    </message>
    <message>
        <source>Threshold table B</source>
        <translation>Threshold table B</translation>
    </message>
    <message>
        <source>Switch State</source>
        <translation>Switch State</translation>
    </message>
    <message>
        <source>Warning level 1</source>
        <translation>Warning level 1</translation>
    </message>
    <message>
        <source>Highest voltage(Cells)</source>
        <translation>Highest voltage(Cells)</translation>
    </message>
    <message>
        <source>Warning level 2</source>
        <translation>Warning level 2</translation>
    </message>
    <message>
        <source>Lowest voltage(Cells)</source>
        <translation>Lowest voltage(Cells)</translation>
    </message>
    <message>
        <source>Warning level 3</source>
        <translation>Warning level 3</translation>
    </message>
    <message>
        <source>Highest Temp(Cells)</source>
        <translation>Highest Temp(Cells)</translation>
    </message>
    <message>
        <source>Fault code 1</source>
        <translation>Fault code 1</translation>
    </message>
    <message>
        <source>Lowest Temp(Cells)</source>
        <translation>Lowest Temp(Cells)</translation>
    </message>
    <message>
        <source>Fault code 2</source>
        <translation>Fault code 2</translation>
    </message>
    <message>
        <source>Battery OverVoltage</source>
        <translation>Battery OverVoltage</translation>
    </message>
    <message>
        <source>Battery UnderVoltage</source>
        <translation>Battery UnderVoltage</translation>
    </message>
    <message>
        <source>Cells OverVoltage</source>
        <translation>Cells OverVoltage</translation>
    </message>
    <message>
        <source>Cells UnderVoltage</source>
        <translation>Cells UnderVoltage</translation>
    </message>
    <message>
        <source>V-Sensor Failure</source>
        <translation>V-Sensor Failure</translation>
    </message>
    <message>
        <source>T-Sensor Failure</source>
        <translation>T-Sensor Failure</translation>
    </message>
    <message>
        <source>DisC High Temp(Cells)</source>
        <translation>DisC High Temp(Cells)</translation>
    </message>
    <message>
        <source>DisC Low Temp(Cells)</source>
        <translation>DisC Low Temp(Cells)</translation>
    </message>
    <message>
        <source>Chg High Temp(Cells)</source>
        <translation>Chg High Temp(Cells)</translation>
    </message>
    <message>
        <source>Chg Low Temp(Cells)</source>
        <translation>Chg Low Temp(Cells)</translation>
    </message>
    <message>
        <source>DisC OverCurrent</source>
        <translation>DisC OverCurrent</translation>
    </message>
    <message>
        <source>Chg OverCurrent</source>
        <translation>Chg OverCurrent</translation>
    </message>
    <message>
        <source>Main circuit Failure</source>
        <translation>Main circuit Failure</translation>
    </message>
    <message>
        <source>Short Circuit Alarm</source>
        <translation>Short Circuit Alarm</translation>
    </message>
    <message>
        <source>Cells ImBalance</source>
        <translation>Cells ImBalance</translation>
    </message>
    <message>
        <source>I-Sensor Failure</source>
        <translation>I-Sensor Failure</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>Module %1</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>No.%1</translation>
    </message>
    <message>
        <source>Cell No.</source>
        <translation>Cell No.</translation>
    </message>
    <message>
        <source>V-mV</source>
        <translation>V-mV</translation>
    </message>
    <message>
        <source>Temp.-℃</source>
        <translation>Temp.-℃</translation>
    </message>
</context>
<context>
    <name>BmuLink</name>
    <message>
        <source>connection refused</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>no route to the BMU (is this PC on the system&apos;s WiFi?)</source>
        <translation>no route to the BMU (is this PC on the system&apos;s WiFi?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host not found</translation>
    </message>
    <message>
        <source>timed out after %1 s</source>
        <translation>timed out after %1 s</translation>
    </message>
</context>
<context>
    <name>BmuSession</name>
    <message>
        <source>The session ended.</source>
        <translation>The session ended.</translation>
    </message>
    <message>
        <source>Another operation is running (%1): wait until it ends.</source>
        <translation>Another operation is running (%1): wait until it ends.</translation>
    </message>
    <message>
        <source>Stopped: the link to the BMU was disconnected.</source>
        <translation>Stopped: the link to the BMU was disconnected.</translation>
    </message>
    <message>
        <source>The BMU answered with Modbus exception %1 (%2).</source>
        <translation>The BMU answered with Modbus exception %1 (%2).</translation>
    </message>
    <message>
        <source>Not connected to the BMU: press Connect first.</source>
        <translation>Not connected to the BMU: press Connect first.</translation>
    </message>
</context>
<context>
    <name>BmuWarnings</name>
    <message>
        <source>Warning:Battery Over Voltage;</source>
        <translation>Warning:Battery Over Voltage;</translation>
    </message>
    <message>
        <source>Warning:Battery Under Voltage;</source>
        <translation>Warning:Battery Under Voltage;</translation>
    </message>
    <message>
        <source>Warning:Cell Over Voltage;</source>
        <translation>Warning:Cell Over Voltage;</translation>
    </message>
    <message>
        <source>Warning:Cell Under Voltage;</source>
        <translation>Warning:Cell Under Voltage;</translation>
    </message>
    <message>
        <source>Alarm:V-Sensor Failed;</source>
        <translation>Alarm:V-Sensor Failed;</translation>
    </message>
    <message>
        <source>Alarm:T-Sensor Failed;</source>
        <translation>Alarm:T-Sensor Failed;</translation>
    </message>
    <message>
        <source>Warning:High Temperature Discharging(Cells);</source>
        <translation>Warning:High Temperature Discharging(Cells);</translation>
    </message>
    <message>
        <source>Warning:Low Temperature Discharging(Cells);</source>
        <translation>Warning:Low Temperature Discharging(Cells);</translation>
    </message>
    <message>
        <source>Warning:High Temperature Charging(Cells);</source>
        <translation>Warning:High Temperature Charging(Cells);</translation>
    </message>
    <message>
        <source>Warning:Low Temperature Charging(Cells);</source>
        <translation>Warning:Low Temperature Charging(Cells);</translation>
    </message>
    <message>
        <source>Warning:Discharging Over Current;</source>
        <translation>Warning:Discharging Over Current;</translation>
    </message>
    <message>
        <source>Warning:Charging Over Current;</source>
        <translation>Warning:Charging Over Current;</translation>
    </message>
    <message>
        <source>Alarm:Main circuit Failed;</source>
        <translation>Alarm:Main circuit Failed;</translation>
    </message>
    <message>
        <source>Alarm:Short Circuit;</source>
        <translation>Alarm:Short Circuit;</translation>
    </message>
    <message>
        <source>Warning:Cells ImBalance;</source>
        <translation>Warning:Cells ImBalance;</translation>
    </message>
    <message>
        <source>Alarm:Current Sensor Failed;</source>
        <translation>Alarm:Current Sensor Failed;</translation>
    </message>
    <message>
        <source>Current warning;</source>
        <translation>Current warning;</translation>
    </message>
    <message>
        <source>Output voltage warning;</source>
        <translation>Output voltage warning;</translation>
    </message>
    <message>
        <source>Sensor failed;</source>
        <translation>Sensor failed;</translation>
    </message>
    <message>
        <source>PT is incorrect;</source>
        <translation>PT is incorrect;</translation>
    </message>
    <message>
        <source>Temperature warning;</source>
        <translation>Temperature warning;</translation>
    </message>
    <message>
        <source>Battery type incorrect;</source>
        <translation>Battery type incorrect;</translation>
    </message>
    <message>
        <source>Cell voltage warning;</source>
        <translation>Cell voltage warning;</translation>
    </message>
    <message>
        <source>Configuration load failed;</source>
        <translation>Configuration load failed;</translation>
    </message>
    <message>
        <source>Air switch abnormal;</source>
        <translation>Air switch abnormal;</translation>
    </message>
    <message>
        <source>Low SOC;</source>
        <translation>Low SOC;</translation>
    </message>
    <message>
        <source>BMS updating;</source>
        <translation>BMS updating;</translation>
    </message>
    <message>
        <source>BMU updating;</source>
        <translation>BMU updating;</translation>
    </message>
    <message>
        <source>Inverter communication failed;</source>
        <translation>Inverter communication failed;</translation>
    </message>
    <message>
        <source>BMS communication failed;</source>
        <translation>BMS communication failed;</translation>
    </message>
    <message>
        <source>BMS update failed;</source>
        <translation>BMS update failed;</translation>
    </message>
    <message>
        <source>BMU update failed;</source>
        <translation>BMU update failed;</translation>
    </message>
    <message>
        <source>Precharge failed;</source>
        <translation>Precharge failed;</translation>
    </message>
    <message>
        <source>PT load failed;</source>
        <translation>PT load failed;</translation>
    </message>
    <message>
        <source>Address registration failed;</source>
        <translation>Address registration failed;</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>CellChart</name>
    <message>
        <source>Cell voltages</source>
        <translation>Cell voltages</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Cell voltages of BMS %1</source>
        <translation>Cell voltages of BMS %1</translation>
    </message>
    <message>
        <source>Temperatures of BMS %1</source>
        <translation>Temperatures of BMS %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>BMS</source>
        <translation>BMS</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>SOC (%)</source>
        <translation>SOC (%)</translation>
    </message>
    <message>
        <source>Battery total voltage (V)</source>
        <translation>Battery total voltage (V)</translation>
    </message>
    <message>
        <source>Pack voltage (V)</source>
        <translation>Pack voltage (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>Switch state</source>
        <translation>Switch state</translation>
    </message>
    <message>
        <source>Highest cell voltage (mV)</source>
        <translation>Highest cell voltage (mV)</translation>
    </message>
    <message>
        <source>  at cell</source>
        <translation>  at cell</translation>
    </message>
    <message>
        <source>Lowest cell voltage (mV)</source>
        <translation>Lowest cell voltage (mV)</translation>
    </message>
    <message>
        <source>Highest cell temperature (°C)</source>
        <translation>Highest cell temperature (°C)</translation>
    </message>
    <message>
        <source>  at sensor</source>
        <translation>  at sensor</translation>
    </message>
    <message>
        <source>Lowest cell temperature (°C)</source>
        <translation>Lowest cell temperature (°C)</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Section A</source>
        <translation>Section A</translation>
    </message>
    <message>
        <source>Section B</source>
        <translation>Section B</translation>
    </message>
    <message>
        <source>Running section</source>
        <translation>Running section</translation>
    </message>
    <message>
        <source>Threshold table A</source>
        <translation>Threshold table A</translation>
    </message>
    <message>
        <source>Threshold table B</source>
        <translation>Threshold table B</translation>
    </message>
    <message>
        <source>Warning level %1</source>
        <translation>Warning level %1</translation>
    </message>
    <message>
        <source>Fault code %1</source>
        <translation>Fault code %1</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>The information of BMS N with every cell voltage and temperature.</source>
        <translation>The information of BMS N with every cell voltage and temperature.</translation>
    </message>
    <message>
        <source>bms needs the number of one BMS, 1 or more.</source>
        <translation>bms needs the number of one BMS, 1 or more.</translation>
    </message>
    <message>
        <source>The system lists %1 BMS: choose one from 1 to %1.</source>
        <translation>The system lists %1 BMS: choose one from 1 to %1.</translation>
    </message>
    <message>
        <source>Address of the BMU (default from Config.ini, group Link, else 192.168.4.1:8080).</source>
        <translation>Address of the BMU (default from Config.ini, group Link, else 192.168.4.1:8080).</translation>
    </message>
    <message>
        <source>Work with a simulated BMU started inside the program.</source>
        <translation>Work with a simulated BMU started inside the program.</translation>
    </message>
    <message>
        <source>The simulated system of --demo: hv, lv or qpa5.</source>
        <translation>The simulated system of --demo: hv, lv or qpa5.</translation>
    </message>
    <message>
        <source>Output as an aligned table, JSON or CSV.</source>
        <translation>Output as an aligned table, JSON or CSV.</translation>
    </message>
    <message>
        <source>Write the result into FILE instead, by its extension: .xlsx, .csv, .json, else tab-separated text.</source>
        <translation>Write the result into FILE instead, by its extension: .xlsx, .csv, .json, else tab-separated text.</translation>
    </message>
    <message>
        <source>Silence after which a request counts as unanswered; the connection attempt and a stalled history read scale with it (5000 at 3000).</source>
        <translation>Silence after which a request counts as unanswered; the connection attempt and a stalled history read scale with it (5000 at 3000).</translation>
    </message>
    <message>
        <source>Further attempts of a connection or of a read (refresh, BMS information) that failed.</source>
        <translation>Further attempts of a connection or of a read (refresh, BMS information) that failed.</translation>
    </message>
    <message>
        <source>Fast reads: history blocks and BMS pages paced by the replies instead of the system&apos;s steps.</source>
        <translation>Fast reads: history blocks and BMS pages paced by the replies instead of the system&apos;s steps.</translation>
    </message>
    <message>
        <source>Print every frame sent and received, in hex with a time stamp, on the error stream.</source>
        <translation>Print every frame sent and received, in hex with a time stamp, on the error stream.</translation>
    </message>
    <message>
        <source>Describe the program, or the command given.</source>
        <translation>Describe the program, or the command given.</translation>
    </message>
    <message>
        <source>Print the program&apos;s version.</source>
        <translation>Print the program&apos;s version.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 the BMU or the server refused or the operation failed, 2 usage error, 3 BMU or server unreachable, 4 file unreadable or refused, 130 stopped with Ctrl+C.
</source>
        <translation>Exit codes: 0 done, 1 the BMU or the server refused or the operation failed, 2 usage error, 3 BMU or server unreachable, 4 file unreadable or refused, 130 stopped with Ctrl+C.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 %2--help&apos;.</source>
        <translation>Try &apos;%1 %2--help&apos;.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [arguments]
The battery system&apos;s service tool without a window: every operation of the window, scriptable.

Commands:
</source>
        <translation>Usage: %1 [options] COMMAND [arguments]
The battery system&apos;s service tool without a window: every operation of the window, scriptable.

Commands:
</translation>
    </message>
    <message>
        <source>Usage: %1 [options] %2</source>
        <translation>Usage: %1 [options] %2</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--bmu and --demo exclude each other.</source>
        <translation>--bmu and --demo exclude each other.</translation>
    </message>
    <message>
        <source>--bmu must be HOST or HOST:PORT.</source>
        <translation>--bmu must be HOST or HOST:PORT.</translation>
    </message>
    <message>
        <source>--system must be hv, lv or qpa5.</source>
        <translation>--system must be hv, lv or qpa5.</translation>
    </message>
    <message>
        <source>--format must be table, json or csv.</source>
        <translation>--format must be table, json or csv.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unknown command &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 left</translation>
    </message>
    <message>
        <source>The update server (default from Config.ini, group Update).</source>
        <translation>The update server (default from Config.ini, group Update).</translation>
    </message>
    <message>
        <source>Fetch log.txt and the missing firmware and table files into Data.</source>
        <translation>Fetch log.txt and the missing firmware and table files into Data.</translation>
    </message>
    <message>
        <source>--server must be ftp://HOST or ftp://HOST:PORT.</source>
        <translation>--server must be ftp://HOST or ftp://HOST:PORT.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Data folder</translation>
    </message>
    <message>
        <source>Files downloaded</source>
        <translation>Files downloaded</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>How many records to read, newest first (the BMU hands out whole blocks of 20).</source>
        <translation>How many records to read, newest first (the BMU hands out whole blocks of 20).</translation>
    </message>
    <message>
        <source>--records must be a whole number above 0, not &quot;%1&quot;.</source>
        <translation>--records must be a whole number above 0, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The system lists %1 BMS: bms1 to bms%1.</source>
        <translation>The system lists %1 BMS: bms1 to bms%1.</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>blocks</translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation>Date&amp;Time</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Log Data</source>
        <translation>Log Data</translation>
    </message>
    <message>
        <source>Fault Level</source>
        <translation>Fault Level</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Unknown unit &quot;%1&quot;: %2bms1 to bms%3.</source>
        <translation>Unknown unit &quot;%1&quot;: %2bms1 to bms%3.</translation>
    </message>
    <message>
        <source>bmu, or </source>
        <translation>bmu, or </translation>
    </message>
    <message>
        <source>Read a unit&apos;s log: the History table with the translation&apos;s detail columns.</source>
        <translation>Read a unit&apos;s log: the History table with the translation&apos;s detail columns.</translation>
    </message>
    <message>
        <source>bmu, or bmsN for tower N.</source>
        <translation>bmu, or bmsN for tower N.</translation>
    </message>
    <message>
        <source>Read a tower&apos;s log and list its warnings, alarms and faults.</source>
        <translation>Read a tower&apos;s log and list its warnings, alarms and faults.</translation>
    </message>
    <message>
        <source>bmsN: the log of tower N.</source>
        <translation>bmsN: the log of tower N.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>The inverter, by its name.</source>
        <translation>The inverter, by its name.</translation>
    </message>
    <message>
        <source>Modules in series (per tower, high voltage) or in parallel (low voltage), 0 to 255.</source>
        <translation>Modules in series (per tower, high voltage) or in parallel (low voltage), 0 to 255.</translation>
    </message>
    <message>
        <source>The battery type, by its name.</source>
        <translation>The battery type, by its name.</translation>
    </message>
    <message>
        <source>off, on or backup.</source>
        <translation>off, on or backup.</translation>
    </message>
    <message>
        <source>single or three.</source>
        <translation>single or three.</translation>
    </message>
    <message>
        <source>Show the setup, or write the settings given (the others stay) and show what the BMU then holds.</source>
        <translation>Show the setup, or write the settings given (the others stay) and show what the BMU then holds.</translation>
    </message>
    <message>
        <source>setup takes no arguments, only options.</source>
        <translation>setup takes no arguments, only options.</translation>
    </message>
    <message>
        <source>Unknown inverter &quot;%1&quot;; one of: %2. Nothing was written.</source>
        <translation>Unknown inverter &quot;%1&quot;; one of: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>--grid must be off, on or backup.</source>
        <translation>--grid must be off, on or backup.</translation>
    </message>
    <message>
        <source>--phase must be single or three.</source>
        <translation>--phase must be single or three.</translation>
    </message>
    <message>
        <source>The BMU did not report its setup.</source>
        <translation>The BMU did not report its setup.</translation>
    </message>
    <message>
        <source>The BMU did not report its setup. Nothing was written.</source>
        <translation>The BMU did not report its setup. Nothing was written.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an inverter of this system; one of: %2. Nothing was written.</source>
        <translation>&quot;%1&quot; is not an inverter of this system; one of: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>Unknown battery type &quot;%1&quot;; one of: %2. Nothing was written.</source>
        <translation>Unknown battery type &quot;%1&quot;; one of: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>Setup: inverter</source>
        <translation>Setup: inverter</translation>
    </message>
    <message>
        <source>Setup: modules in serial</source>
        <translation>Setup: modules in serial</translation>
    </message>
    <message>
        <source>Setup: modules in parallel</source>
        <translation>Setup: modules in parallel</translation>
    </message>
    <message>
        <source>Setup: battery type</source>
        <translation>Setup: battery type</translation>
    </message>
    <message>
        <source>Setup: grid</source>
        <translation>Setup: grid</translation>
    </message>
    <message>
        <source>Setup: phase</source>
        <translation>Setup: phase</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Battery type</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>BMU firmware</source>
        <translation>BMU firmware</translation>
    </message>
    <message>
        <source>BMS firmware</source>
        <translation>BMS firmware</translation>
    </message>
    <message>
        <source>Parameter table</source>
        <translation>Parameter table</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Modules per tower</source>
        <translation>Modules per tower</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Battery voltage (V)</source>
        <translation>Battery voltage (V)</translation>
    </message>
    <message>
        <source>Output voltage (V)</source>
        <translation>Output voltage (V)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>Power (W)</translation>
    </message>
    <message>
        <source>Highest cell voltage (V)</source>
        <translation>Highest cell voltage (V)</translation>
    </message>
    <message>
        <source>Lowest cell voltage (V)</source>
        <translation>Lowest cell voltage (V)</translation>
    </message>
    <message>
        <source>BMU temperature (°C)</source>
        <translation>BMU temperature (°C)</translation>
    </message>
    <message>
        <source>System status</source>
        <translation>System status</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Refresh and print the Overview: versions, measurements, warnings and setup.</source>
        <translation>Refresh and print the Overview: versions, measurements, warnings and setup.</translation>
    </message>
    <message>
        <source>Stopped with Ctrl+C.</source>
        <translation>Stopped with Ctrl+C.</translation>
    </message>
    <message>
        <source>The simulated BMU cannot listen: %1</source>
        <translation>The simulated BMU cannot listen: %1</translation>
    </message>
    <message>
        <source>The BMU&apos;s status could not be read completely.</source>
        <translation>The BMU&apos;s status could not be read completely.</translation>
    </message>
    <message>
        <source>Cannot reach the BMU at %1:%2.</source>
        <translation>Cannot reach the BMU at %1:%2.</translation>
    </message>
    <message>
        <source>The link to the BMU at %1:%2 is down.</source>
        <translation>The link to the BMU at %1:%2 is down.</translation>
    </message>
    <message>
        <source>%1 needs one FILE.</source>
        <translation>%1 needs one FILE.</translation>
    </message>
    <message>
        <source>The CRC of a firmware file in the form its name carries.</source>
        <translation>The CRC of a firmware file in the form its name carries.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>Size (bytes)</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>CRC in the name</source>
        <translation>CRC in the name</translation>
    </message>
    <message>
        <source>CRC matches the name</source>
        <translation>CRC matches the name</translation>
    </message>
    <message>
        <source>Pack a parameter-table sheet into a table file in Data.</source>
        <translation>Pack a parameter-table sheet into a table file in Data.</translation>
    </message>
    <message>
        <source>The battery type: %1.</source>
        <translation>The battery type: %1.</translation>
    </message>
    <message>
        <source>package needs --type, one of: %1.</source>
        <translation>package needs --type, one of: %1.</translation>
    </message>
    <message>
        <source>Table file</source>
        <translation>Table file</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Packets</source>
        <translation>Packets</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>packets</translation>
    </message>
    <message>
        <source>Send a firmware image to the BMU or the BMS modules (default: the one the window would choose from Data).</source>
        <translation>Send a firmware image to the BMU or the BMS modules (default: the one the window would choose from Data).</translation>
    </message>
    <message>
        <source>Send even an image the installer&apos;s check refuses (the same version, an older sub version, another family).</source>
        <translation>Send even an image the installer&apos;s check refuses (the same version, an older sub version, another family).</translation>
    </message>
    <message>
        <source>flash needs the unit first: bmu or bms.</source>
        <translation>flash needs the unit first: bmu or bms.</translation>
    </message>
    <message>
        <source>flash takes one FILE at most.</source>
        <translation>flash takes one FILE at most.</translation>
    </message>
    <message>
        <source>%1 firmware</source>
        <translation>%1 firmware</translation>
    </message>
    <message>
        <source>Send a parameter table to the BMU (default: the newest for the battery type in Data).</source>
        <translation>Send a parameter table to the BMU (default: the newest for the battery type in Data).</translation>
    </message>
    <message>
        <source>table takes one FILE at most.</source>
        <translation>table takes one FILE at most.</translation>
    </message>
    <message>
        <source>parameter table</source>
        <translation>parameter table</translation>
    </message>
    <message>
        <source>the system reports no running version: check the link between the BMU and the BMS.</source>
        <translation>the system reports no running version: check the link between the BMU and the BMS.</translation>
    </message>
    <message>
        <source>the image is not for a high-voltage system.</source>
        <translation>the image is not for a high-voltage system.</translation>
    </message>
    <message>
        <source>the image is not for a low-voltage system.</source>
        <translation>the image is not for a low-voltage system.</translation>
    </message>
    <message>
        <source>the unit runs this version already.</source>
        <translation>the unit runs this version already.</translation>
    </message>
    <message>
        <source>the image is older than the running firmware: download the latest.</source>
        <translation>the image is older than the running firmware: download the latest.</translation>
    </message>
    <message>
        <source>%1 holds no %2 firmware image for this system: download first.</source>
        <translation>%1 holds no %2 firmware image for this system: download first.</translation>
    </message>
    <message>
        <source>%1 is not named as a firmware image (TYPE-FAMILY-MAIN.SUB-SECTION-CRC.bin).</source>
        <translation>%1 is not named as a firmware image (TYPE-FAMILY-MAIN.SUB-SECTION-CRC.bin).</translation>
    </message>
    <message>
        <source>%1 is not a %2 image for this system (%2-%3-...).</source>
        <translation>%1 is not a %2 image for this system (%2-%3-...).</translation>
    </message>
    <message>
        <source>%1 is for section %2, which the %3 runs now.</source>
        <translation>%1 is for section %2, which the %3 runs now.</translation>
    </message>
    <message>
        <source>%1 cannot be sent: its version is above 255 or the image needs more than 65535 packets.</source>
        <translation>%1 cannot be sent: its version is above 255 or the image needs more than 65535 packets.</translation>
    </message>
    <message>
        <source>%1 is incomplete (its CRC does not match its name): delete it and download it again.</source>
        <translation>%1 is incomplete (its CRC does not match its name): delete it and download it again.</translation>
    </message>
    <message>
        <source>Not sent: %1 (--force sends it all the same.)</source>
        <translation>Not sent: %1 (--force sends it all the same.)</translation>
    </message>
    <message>
        <source>%1 holds no %2 parameter table newer than the running %3.</source>
        <translation>%1 holds no %2 parameter table newer than the running %3.</translation>
    </message>
    <message>
        <source>%1 is not named as a %2 parameter table (%2-TAB-CODE-MAIN.SUB.bin).</source>
        <translation>%1 is not named as a %2 parameter table (%2-TAB-CODE-MAIN.SUB.bin).</translation>
    </message>
    <message>
        <source>%1 is damaged (its CRC does not match): download it again.</source>
        <translation>%1 is damaged (its CRC does not match): download it again.</translation>
    </message>
    <message>
        <source>The battery type &quot;%1&quot; takes no parameter table.</source>
        <translation>The battery type &quot;%1&quot; takes no parameter table.</translation>
    </message>
    <message>
        <source>%1 holds %2 table bytes instead of %3.</source>
        <translation>%1 holds %2 table bytes instead of %3.</translation>
    </message>
    <message>
        <source>Decode a saved log (.xlsx, .xls or text) of the BMU or of a BMS.</source>
        <translation>Decode a saved log (.xlsx, .xls or text) of the BMU or of a BMS.</translation>
    </message>
    <message>
        <source>Whose log the file holds: bmu or bms.</source>
        <translation>Whose log the file holds: bmu or bms.</translation>
    </message>
    <message>
        <source>The battery family: hv or lv.</source>
        <translation>The battery family: hv or lv.</translation>
    </message>
    <message>
        <source>translate needs one FILE.</source>
        <translation>translate needs one FILE.</translation>
    </message>
    <message>
        <source>translate needs --unit bmu or --unit bms.</source>
        <translation>translate needs --unit bmu or --unit bms.</translation>
    </message>
    <message>
        <source>--family must be hv or lv.</source>
        <translation>--family must be hv or lv.</translation>
    </message>
    <message>
        <source>%1 holds no saved log: under a header row, every row needs date and time, code, description and log data.</source>
        <translation>%1 holds no saved log: under a header row, every row needs date and time, code, description and log data.</translation>
    </message>
    <message>
        <source>&apos;%1 COMMAND --help&apos; describes a command.
</source>
        <translation>&apos;%1 COMMAND --help&apos; describes a command.
</translation>
    </message>
    <message>
        <source>Towers (BMS)</source>
        <translation>Towers (BMS)</translation>
    </message>
    <message>
        <source>Modules in parallel (BMS)</source>
        <translation>Modules in parallel (BMS)</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>Downloading Firmware: </source>
        <translation>Downloading Firmware: </translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>Error: Cannot create folder %1</source>
        <translation>Error: Cannot create folder %1</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Download cancelled.</translation>
    </message>
    <message>
        <source>Skipped %1: %2.</source>
        <translation>Skipped %1: %2.</translation>
    </message>
    <message>
        <source>%1 of %2. Please wait...</source>
        <translation>%1 of %2. Please wait...</translation>
    </message>
    <message>
        <source>Obtaining file information. Please wait...</source>
        <translation>Obtaining file information. Please wait...</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>it is larger than %1 bytes</translation>
    </message>
    <message>
        <source>Download file occur error: </source>
        <translation>Download file occur error: </translation>
    </message>
    <message>
        <source>the server does not have it</source>
        <translation>the server does not have it</translation>
    </message>
    <message>
        <source>Download failure, the update server refused the user name or password. </source>
        <translation>Download failure, the update server refused the user name or password. </translation>
    </message>
    <message>
        <source>Trying to re-Download No.%1 time</source>
        <translation>Trying to re-Download No.%1 time</translation>
    </message>
    <message>
        <source>Download failure, please check the internet connection. </source>
        <translation>Download failure, please check the internet connection. </translation>
    </message>
    <message>
        <source>The file list log.txt was not taken: %1.</source>
        <translation>The file list log.txt was not taken: %1.</translation>
    </message>
    <message>
        <source>Error: Cannot write file %1: %2.</source>
        <translation>Error: Cannot write file %1: %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 arrived incomplete: %2 of %3 bytes.</translation>
    </message>
    <message>
        <source>Nothing be downloaded.</source>
        <translation>Nothing be downloaded.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>it names more than %1 files</source>
        <translation>it names more than %1 files</translation>
    </message>
    <message>
        <source>Obtain file information success.</source>
        <translation>Obtain file information success.</translation>
    </message>
    <message>
        <source>The local Firmware have been latest.</source>
        <translation>The local Firmware have been latest.</translation>
    </message>
    <message>
        <source>Please connect the WiFi of battery system and refresh the system info. Then choose &apos;BMU&apos; or &apos;BMS&apos; to update the Firmware. </source>
        <translation>Please connect the WiFi of battery system and refresh the system info. Then choose &apos;BMU&apos; or &apos;BMS&apos; to update the Firmware. </translation>
    </message>
    <message>
        <source>Download firmware file success. Please connect the WiFi of battery system then click &apos;Update&apos; to start updating Firmware!</source>
        <translation>Download firmware file success. Please connect the WiFi of battery system then click &apos;Update&apos; to start updating Firmware!</translation>
    </message>
    <message>
        <source>%1 of %2 files downloaded; the others are named above.</source>
        <translation>%1 of %2 files downloaded; the others are named above.</translation>
    </message>
    <message>
        <source>its name holds a control character</source>
        <translation>its name holds a control character</translation>
    </message>
    <message>
        <source>its name ends in &quot;/&quot;</source>
        <translation>its name ends in &quot;/&quot;</translation>
    </message>
    <message>
        <source>its name is not a file name</source>
        <translation>its name is not a file name</translation>
    </message>
    <message>
        <source>its name is longer than %1 bytes</source>
        <translation>its name is longer than %1 bytes</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a firmware image (%2 bytes).</source>
        <translation>The file %1 is too large to be a firmware image (%2 bytes).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>The table is too large to read.</source>
        <translation>The table is too large to read.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>Unknown battery type &quot;%1&quot;.</source>
        <translation>Unknown battery type &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The sheet is empty.</source>
        <translation>The sheet is empty.</translation>
    </message>
    <message>
        <source>The sheet holds %1 rows; a parameter table needs %2 table rows and a closing row (%3 table bytes).</source>
        <translation>The sheet holds %1 rows; a parameter table needs %2 table rows and a closing row (%3 table bytes).</translation>
    </message>
    <message>
        <source>Cell %1 must hold up to four hex digits, not &quot;%2&quot;.</source>
        <translation>Cell %1 must hold up to four hex digits, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Cell %1 holds %2, outside -32768..65535.</source>
        <translation>Cell %1 holds %2, outside -32768..65535.</translation>
    </message>
    <message>
        <source>The table version in cells %1 and %2 must be two numbers from 0 to 255.</source>
        <translation>The table version in cells %1 and %2 must be two numbers from 0 to 255.</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>There is new version for BMU Firmware,please update it. </source>
        <translation>There is new version for BMU Firmware,please update it. </translation>
    </message>
    <message>
        <source>Please download the new BMU Firmware from server,then update it! </source>
        <translation>Please download the new BMU Firmware from server,then update it! </translation>
    </message>
    <message>
        <source>Please download the new BMU Firmware,then update it! </source>
        <translation>Please download the new BMU Firmware,then update it! </translation>
    </message>
    <message>
        <source>There is new version of BMS Firmware,please update it. </source>
        <translation>There is new version of BMS Firmware,please update it. </translation>
    </message>
    <message>
        <source>Please download the new BMS Firmware from server,then update it! </source>
        <translation>Please download the new BMS Firmware from server,then update it! </translation>
    </message>
    <message>
        <source>Please download the new BMS Firmware,then update it! </source>
        <translation>Please download the new BMS Firmware,then update it! </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Interlock switch Abnormal;</source>
        <translation>Interlock switch Abnormal;</translation>
    </message>
    <message>
        <source>| Charge Mos_Switch is on; |</source>
        <translation>| Charge Mos_Switch is on; |</translation>
    </message>
    <message>
        <source>| Charge Mos_Switch is off; |</source>
        <translation>| Charge Mos_Switch is off; |</translation>
    </message>
    <message>
        <source>| DisCharge Mos_Switch is on; |</source>
        <translation>| DisCharge Mos_Switch is on; |</translation>
    </message>
    <message>
        <source>| DisCharge Mos_Switch is off; |</source>
        <translation>| DisCharge Mos_Switch is off; |</translation>
    </message>
    <message>
        <source>| PreCharge Mos_Switch is on; |</source>
        <translation>| PreCharge Mos_Switch is on; |</translation>
    </message>
    <message>
        <source>| PreCharge Mos_Switch is off; |</source>
        <translation>| PreCharge Mos_Switch is off; |</translation>
    </message>
    <message>
        <source>| Relay is on; |</source>
        <translation>| Relay is on; |</translation>
    </message>
    <message>
        <source>| Relay is off; |</source>
        <translation>| Relay is off; |</translation>
    </message>
    <message>
        <source>| Air Switch is on; |</source>
        <translation>| Air Switch is on; |</translation>
    </message>
    <message>
        <source>| Air Switch is off; |</source>
        <translation>| Air Switch is off; |</translation>
    </message>
    <message>
        <source>| PreCharge_2 Mos_Switch is on; |</source>
        <translation>| PreCharge_2 Mos_Switch is on; |</translation>
    </message>
    <message>
        <source>| PreCharge_2 Mos_Switch is off; |</source>
        <translation>| PreCharge_2 Mos_Switch is off; |</translation>
    </message>
    <message>
        <source>Battery Idling</source>
        <translation>Battery Idling</translation>
    </message>
    <message>
        <source>Battery Charging</source>
        <translation>Battery Charging</translation>
    </message>
    <message>
        <source>Battery DisCharging</source>
        <translation>Battery DisCharging</translation>
    </message>
    <message>
        <source>BMU requires to Power off</source>
        <translation>BMU requires to Power off</translation>
    </message>
    <message>
        <source>Press BMS LED to Power off</source>
        <translation>Press BMS LED to Power off</translation>
    </message>
    <message>
        <source>Power off due to communication failed with BMU</source>
        <translation>Power off due to communication failed with BMU</translation>
    </message>
    <message>
        <source>BMS off due to battery UnderVoltage</source>
        <translation>BMS off due to battery UnderVoltage</translation>
    </message>
    <message>
        <source>Press BMS LED button to Switch off</source>
        <translation>Press BMS LED button to Switch off</translation>
    </message>
    <message>
        <source>BMU requires to switch off</source>
        <translation>BMU requires to switch off</translation>
    </message>
    <message>
        <source>BMU Power off And communication between BMU and BMS failed</source>
        <translation>BMU Power off And communication between BMU and BMS failed</translation>
    </message>
    <message>
        <source>Power off while communication failed(after 30 minutes)</source>
        <translation>Power off while communication failed(after 30 minutes)</translation>
    </message>
    <message>
        <source>Cells Over Voltage;</source>
        <translation>Cells Over Voltage;</translation>
    </message>
    <message>
        <source>Cells Under Voltage;</source>
        <translation>Cells Under Voltage;</translation>
    </message>
    <message>
        <source>Cells Over Temperature;</source>
        <translation>Cells Over Temperature;</translation>
    </message>
    <message>
        <source>Cells Under Temperature;</source>
        <translation>Cells Under Temperature;</translation>
    </message>
    <message>
        <source>Voltage Sampling cable off;</source>
        <translation>Voltage Sampling cable off;</translation>
    </message>
    <message>
        <source>Temperature Sampling cable off;</source>
        <translation>Temperature Sampling cable off;</translation>
    </message>
    <message>
        <source>Pack Voltage too High;</source>
        <translation>Pack Voltage too High;</translation>
    </message>
    <message>
        <source>Over Current;</source>
        <translation>Over Current;</translation>
    </message>
    <message>
        <source>BMS Heartbeat Abnormal;</source>
        <translation>BMS Heartbeat Abnormal;</translation>
    </message>
    <message>
        <source>Main Circuit Fault;</source>
        <translation>Main Circuit Fault;</translation>
    </message>
    <message>
        <source>No responding for cells Sampling from BMS;</source>
        <translation>No responding for cells Sampling from BMS;</translation>
    </message>
    <message>
        <source>The PACK voltage differs too much from the accumulator voltage of cells;</source>
        <translation>The PACK voltage differs too much from the accumulator voltage of cells;</translation>
    </message>
    <message>
        <source>0# register Overtime;</source>
        <translation>0# register Overtime;</translation>
    </message>
    <message>
        <source>BMU heartbeat Abnormal;</source>
        <translation>BMU heartbeat Abnormal;</translation>
    </message>
    <message>
        <source>BMU Cells Sampling occupancy anomaly;</source>
        <translation>BMU Cells Sampling occupancy anomaly;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Runing Section:A</source>
        <translation>Runing Section:A</translation>
    </message>
    <message>
        <source>Runing Section:B</source>
        <translation>Runing Section:B</translation>
    </message>
    <message>
        <source>FW version:%1</source>
        <translation>FW version:%1</translation>
    </message>
    <message>
        <source>Not defined</source>
        <translation>Not defined</translation>
    </message>
    <message>
        <source>BMU serial port V%1</source>
        <translation>BMU serial port V%1</translation>
    </message>
    <message>
        <source>BMS serial port V%1</source>
        <translation>BMS serial port V%1</translation>
    </message>
    <message>
        <source>BMU functional safety normal</source>
        <translation>BMU functional safety normal</translation>
    </message>
    <message>
        <source>BMU functional safety fault code:</source>
        <translation>BMU functional safety fault code:</translation>
    </message>
    <message>
        <source>BMS functional safety fault code:</source>
        <translation>BMS functional safety fault code:</translation>
    </message>
    <message>
        <source>Cell NO.%1</source>
        <translation>Cell NO.%1</translation>
    </message>
    <message>
        <source>%1# Module Faulted</source>
        <translation>%1# Module Faulted</translation>
    </message>
    <message>
        <source>%1# Module BIC fault</source>
        <translation>%1# Module BIC fault</translation>
    </message>
    <message>
        <source>TempH:%1℃</source>
        <translation>TempH:%1℃</translation>
    </message>
    <message>
        <source>TempL:%1℃</source>
        <translation>TempL:%1℃</translation>
    </message>
    <message>
        <source>Charge I%1:%2A</source>
        <translation>Charge I%1:%2A</translation>
    </message>
    <message>
        <source>DisCharge I1:%1A</source>
        <translation>DisCharge I1:%1A</translation>
    </message>
    <message>
        <source>Target Area:A</source>
        <translation>Target Area:A</translation>
    </message>
    <message>
        <source>Target Area:B</source>
        <translation>Target Area:B</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>Current Version: %1</translation>
    </message>
    <message>
        <source>Target SOC:</source>
        <translation>Target SOC:</translation>
    </message>
    <message>
        <source>Before Update: %1</source>
        <translation>Before Update: %1</translation>
    </message>
    <message>
        <source>After Update: %1</source>
        <translation>After Update: %1</translation>
    </message>
    <message>
        <source>Old Version: %1</source>
        <translation>Old Version: %1</translation>
    </message>
    <message>
        <source>New Version: %1</source>
        <translation>New Version: %1</translation>
    </message>
    <message>
        <source>Threshold table version:%1</source>
        <translation>Threshold table version:%1</translation>
    </message>
    <message>
        <source>serial number was changed.</source>
        <translation>serial number was changed.</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Battery Over Voltage;</source>
        <translation>Battery Over Voltage;</translation>
    </message>
    <message>
        <source>Battery Under Voltage;</source>
        <translation>Battery Under Voltage;</translation>
    </message>
    <message>
        <source>Cells OverVoltage;</source>
        <translation>Cells OverVoltage;</translation>
    </message>
    <message>
        <source>Cells UnderVoltage;</source>
        <translation>Cells UnderVoltage;</translation>
    </message>
    <message>
        <source>Cells Imbalance;</source>
        <translation>Cells Imbalance;</translation>
    </message>
    <message>
        <source>Charging High Temperature(Cells);</source>
        <translation>Charging High Temperature(Cells);</translation>
    </message>
    <message>
        <source>Charging Low Temperature(Cells);</source>
        <translation>Charging Low Temperature(Cells);</translation>
    </message>
    <message>
        <source>DisCharging High Temperature(Cells);</source>
        <translation>DisCharging High Temperature(Cells);</translation>
    </message>
    <message>
        <source>DisCharging Low Temperature(Cells);</source>
        <translation>DisCharging Low Temperature(Cells);</translation>
    </message>
    <message>
        <source>Charging OverCurrent(Cells);</source>
        <translation>Charging OverCurrent(Cells);</translation>
    </message>
    <message>
        <source>DisCharging OverCurrent(Cells);</source>
        <translation>DisCharging OverCurrent(Cells);</translation>
    </message>
    <message>
        <source>Charging OverCurrent(Hardware);</source>
        <translation>Charging OverCurrent(Hardware);</translation>
    </message>
    <message>
        <source>Short Circuit;</source>
        <translation>Short Circuit;</translation>
    </message>
    <message>
        <source>Inversly Connection;</source>
        <translation>Inversly Connection;</translation>
    </message>
    <message>
        <source>Tamper Abnormal;</source>
        <translation>Tamper Abnormal;</translation>
    </message>
    <message>
        <source>AirSwitch Abnormal;</source>
        <translation>AirSwitch Abnormal;</translation>
    </message>
    <message>
        <source>Cells Voltage Sensor Failure;</source>
        <translation>Cells Voltage Sensor Failure;</translation>
    </message>
    <message>
        <source>Temperature Sensor Failure;</source>
        <translation>Temperature Sensor Failure;</translation>
    </message>
    <message>
        <source>BIC Communication Failure;</source>
        <translation>BIC Communication Failure;</translation>
    </message>
    <message>
        <source>Pack Voltage Sensor Failure;</source>
        <translation>Pack Voltage Sensor Failure;</translation>
    </message>
    <message>
        <source>Current Sensor Failure;</source>
        <translation>Current Sensor Failure;</translation>
    </message>
    <message>
        <source>Charging Mos Failure;</source>
        <translation>Charging Mos Failure;</translation>
    </message>
    <message>
        <source>DisCharging Mos Failure;</source>
        <translation>DisCharging Mos Failure;</translation>
    </message>
    <message>
        <source>PreCharging Mos Failure;</source>
        <translation>PreCharging Mos Failure;</translation>
    </message>
    <message>
        <source>Main Relay Failure;</source>
        <translation>Main Relay Failure;</translation>
    </message>
    <message>
        <source>PreCharging Failed;</source>
        <translation>PreCharging Failed;</translation>
    </message>
    <message>
        <source>Heating Device Failure;</source>
        <translation>Heating Device Failure;</translation>
    </message>
    <message>
        <source>Radiator Failure;</source>
        <translation>Radiator Failure;</translation>
    </message>
    <message>
        <source>BIC Balance Failure;</source>
        <translation>BIC Balance Failure;</translation>
    </message>
    <message>
        <source>Cells Failure;</source>
        <translation>Cells Failure;</translation>
    </message>
    <message>
        <source>PCB Temperature Sensor Failure;</source>
        <translation>PCB Temperature Sensor Failure;</translation>
    </message>
    <message>
        <source>Functional Safety Failure;</source>
        <translation>Functional Safety Failure;</translation>
    </message>
    <message>
        <source>Power ON</source>
        <translation>Power ON</translation>
    </message>
    <message>
        <source>Power OFF</source>
        <translation>Power OFF</translation>
    </message>
    <message>
        <source>Events record</source>
        <translation>Events record</translation>
    </message>
    <message>
        <source>Timing Record</source>
        <translation>Timing Record</translation>
    </message>
    <message>
        <source>Start Charging</source>
        <translation>Start Charging</translation>
    </message>
    <message>
        <source>Stop Charging</source>
        <translation>Stop Charging</translation>
    </message>
    <message>
        <source>Start DisCharging</source>
        <translation>Start DisCharging</translation>
    </message>
    <message>
        <source>Stop DisCharging</source>
        <translation>Stop DisCharging</translation>
    </message>
    <message>
        <source>SOC calibration rough</source>
        <translation>SOC calibration rough</translation>
    </message>
    <message>
        <source>SOC calibration fine</source>
        <translation>SOC calibration fine</translation>
    </message>
    <message>
        <source>SOC calibration Stop</source>
        <translation>SOC calibration Stop</translation>
    </message>
    <message>
        <source>CAN Communication failed</source>
        <translation>CAN Communication failed</translation>
    </message>
    <message>
        <source>Serial Communication failed</source>
        <translation>Serial Communication failed</translation>
    </message>
    <message>
        <source>Receive PreCharge Command</source>
        <translation>Receive PreCharge Command</translation>
    </message>
    <message>
        <source>PreCharge Successful</source>
        <translation>PreCharge Successful</translation>
    </message>
    <message>
        <source>PreCharge Failure</source>
        <translation>PreCharge Failure</translation>
    </message>
    <message>
        <source>Start end SOC calibration</source>
        <translation>Start end SOC calibration</translation>
    </message>
    <message>
        <source>Start Balancing</source>
        <translation>Start Balancing</translation>
    </message>
    <message>
        <source>Stop Balancing</source>
        <translation>Stop Balancing</translation>
    </message>
    <message>
        <source>Address Registered</source>
        <translation>Address Registered</translation>
    </message>
    <message>
        <source>System Functional Safety Fault</source>
        <translation>System Functional Safety Fault</translation>
    </message>
    <message>
        <source>Events additional info</source>
        <translation>Events additional info</translation>
    </message>
    <message>
        <source>Start Firmware Update</source>
        <translation>Start Firmware Update</translation>
    </message>
    <message>
        <source>Firmware Update finish</source>
        <translation>Firmware Update finish</translation>
    </message>
    <message>
        <source>Firmware Update fails</source>
        <translation>Firmware Update fails</translation>
    </message>
    <message>
        <source>Firmware Jumpinto other section</source>
        <translation>Firmware Jumpinto other section</translation>
    </message>
    <message>
        <source>Parameters table Update</source>
        <translation>Parameters table Update</translation>
    </message>
    <message>
        <source>SN Code was Changed</source>
        <translation>SN Code was Changed</translation>
    </message>
    <message>
        <source>Current Calibration</source>
        <translation>Current Calibration</translation>
    </message>
    <message>
        <source>Battery Voltage Calibration</source>
        <translation>Battery Voltage Calibration</translation>
    </message>
    <message>
        <source>PackVoltage Calibration</source>
        <translation>PackVoltage Calibration</translation>
    </message>
    <message>
        <source>SOC/SOH Calibration</source>
        <translation>SOC/SOH Calibration</translation>
    </message>
    <message>
        <source>DateTime Calibration</source>
        <translation>DateTime Calibration</translation>
    </message>
    <message>
        <source>Warning Level2</source>
        <translation>Warning Level2</translation>
    </message>
    <message>
        <source>Warning Level3</source>
        <translation>Warning Level3</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>System status changed</source>
        <translation>System status changed</translation>
    </message>
    <message>
        <source>Erase BMS Firmware</source>
        <translation>Erase BMS Firmware</translation>
    </message>
    <message>
        <source>Functional Safety Info</source>
        <translation>Functional Safety Info</translation>
    </message>
    <message>
        <source>SOP Info</source>
        <translation>SOP Info</translation>
    </message>
    <message>
        <source>BCU Hardware failt</source>
        <translation>BCU Hardware failt</translation>
    </message>
    <message>
        <source>Firmware Start to Update</source>
        <translation>Firmware Start to Update</translation>
    </message>
    <message>
        <source>Firmware Update Successful</source>
        <translation>Firmware Update Successful</translation>
    </message>
    <message>
        <source>Firmware Update failure</source>
        <translation>Firmware Update failure</translation>
    </message>
    <message>
        <source>SN Code Changed</source>
        <translation>SN Code Changed</translation>
    </message>
    <message>
        <source>BMS disconnected with BMU</source>
        <translation>BMS disconnected with BMU</translation>
    </message>
    <message>
        <source>BMU F/W Reset</source>
        <translation>BMU F/W Reset</translation>
    </message>
    <message>
        <source>BMU Watchdog Reset</source>
        <translation>BMU Watchdog Reset</translation>
    </message>
    <message>
        <source>PreCharge Failed</source>
        <translation>PreCharge Failed</translation>
    </message>
    <message>
        <source>Address registration failed</source>
        <translation>Address registration failed</translation>
    </message>
    <message>
        <source>Parameters table Load Failed</source>
        <translation>Parameters table Load Failed</translation>
    </message>
    <message>
        <source>System timing log</source>
        <translation>System timing log</translation>
    </message>
    <message>
        <source>Parameters table updating done</source>
        <translation>Parameters table updating done</translation>
    </message>
    <message>
        <source>Events appear</source>
        <translation>Events appear</translation>
    </message>
    <message>
        <source>Events disappear</source>
        <translation>Events disappear</translation>
    </message>
    <message>
        <source>No Defined</source>
        <translation>No Defined</translation>
    </message>
    <message>
        <source>| Total Voltage too High |</source>
        <translation>| Total Voltage too High |</translation>
    </message>
    <message>
        <source>| Total Voltage too Low |</source>
        <translation>| Total Voltage too Low |</translation>
    </message>
    <message>
        <source>| Cell Voltage too High |</source>
        <translation>| Cell Voltage too High |</translation>
    </message>
    <message>
        <source>| Cell Voltage too Low |</source>
        <translation>| Cell Voltage too Low |</translation>
    </message>
    <message>
        <source>| Voltage Sensor Fault |</source>
        <translation>| Voltage Sensor Fault |</translation>
    </message>
    <message>
        <source>| Temperature Sersor Fault |</source>
        <translation>| Temperature Sersor Fault |</translation>
    </message>
    <message>
        <source>| Cell Discharging Temp. too High |</source>
        <translation>| Cell Discharging Temp. too High |</translation>
    </message>
    <message>
        <source>| Cell Discharging Temp. too Low |</source>
        <translation>| Cell Discharging Temp. too Low |</translation>
    </message>
    <message>
        <source>| Cell Charging Temp. too High |</source>
        <translation>| Cell Charging Temp. too High |</translation>
    </message>
    <message>
        <source>| Cell Charging Temp. too Low |</source>
        <translation>| Cell Charging Temp. too Low |</translation>
    </message>
    <message>
        <source>| Discharging Over Current |</source>
        <translation>| Discharging Over Current |</translation>
    </message>
    <message>
        <source>| Charging Over Current |</source>
        <translation>| Charging Over Current |</translation>
    </message>
    <message>
        <source>| Major loop Fault |</source>
        <translation>| Major loop Fault |</translation>
    </message>
    <message>
        <source>| Short Circuit warning |</source>
        <translation>| Short Circuit warning |</translation>
    </message>
    <message>
        <source>| Battery Imbalance |</source>
        <translation>| Battery Imbalance |</translation>
    </message>
    <message>
        <source>| Current Sensor Fault |</source>
        <translation>| Current Sensor Fault |</translation>
    </message>
    <message>
        <source>| Registered address failure |</source>
        <translation>| Registered address failure |</translation>
    </message>
    <message>
        <source>| Loading Parameter error |</source>
        <translation>| Loading Parameter error |</translation>
    </message>
    <message>
        <source>| Pre-Charge Failure |</source>
        <translation>| Pre-Charge Failure |</translation>
    </message>
    <message>
        <source>| BMU FW update Failure |</source>
        <translation>| BMU FW update Failure |</translation>
    </message>
    <message>
        <source>| BMS FW update Failure |</source>
        <translation>| BMS FW update Failure |</translation>
    </message>
    <message>
        <source>| Interior Communication Failure |</source>
        <translation>| Interior Communication Failure |</translation>
    </message>
    <message>
        <source>| Inverter Communication Overtime |</source>
        <translation>| Inverter Communication Overtime |</translation>
    </message>
    <message>
        <source>| BMS Warning |</source>
        <translation>| BMS Warning |</translation>
    </message>
    <message>
        <source>| BMU detect AirSwitch abnormal |</source>
        <translation>| BMU detect AirSwitch abnormal |</translation>
    </message>
    <message>
        <source>V-sensor failure;</source>
        <translation>V-sensor failure;</translation>
    </message>
    <message>
        <source>T-sensor failure;</source>
        <translation>T-sensor failure;</translation>
    </message>
    <message>
        <source>Cell discharge Temp-High;</source>
        <translation>Cell discharge Temp-High;</translation>
    </message>
    <message>
        <source>Cell discharge Temp-Low;</source>
        <translation>Cell discharge Temp-Low;</translation>
    </message>
    <message>
        <source>Cell charge Temp-High;</source>
        <translation>Cell charge Temp-High;</translation>
    </message>
    <message>
        <source>Cell charge Temp-Low;</source>
        <translation>Cell charge Temp-Low;</translation>
    </message>
    <message>
        <source>Discharging over current;</source>
        <translation>Discharging over current;</translation>
    </message>
    <message>
        <source>Charging over current;</source>
        <translation>Charging over current;</translation>
    </message>
    <message>
        <source>Main circuit failure;</source>
        <translation>Main circuit failure;</translation>
    </message>
    <message>
        <source>Short circuit;</source>
        <translation>Short circuit;</translation>
    </message>
    <message>
        <source>Cells imbalance;</source>
        <translation>Cells imbalance;</translation>
    </message>
    <message>
        <source>Current sensor failure;</source>
        <translation>Current sensor failure;</translation>
    </message>
    <message>
        <source> Cell OverVoltage;</source>
        <translation> Cell OverVoltage;</translation>
    </message>
    <message>
        <source> Cell UnderVoltage;</source>
        <translation> Cell UnderVoltage;</translation>
    </message>
    <message>
        <source> Cell OverTemp.;</source>
        <translation> Cell OverTemp.;</translation>
    </message>
    <message>
        <source> Cell UnderTemp.;</source>
        <translation> Cell UnderTemp.;</translation>
    </message>
    <message>
        <source> Cell Voltage sampling cable off;</source>
        <translation> Cell Voltage sampling cable off;</translation>
    </message>
    <message>
        <source> Temperature sampling cable off;</source>
        <translation> Temperature sampling cable off;</translation>
    </message>
    <message>
        <source> Output OverVoltage;</source>
        <translation> Output OverVoltage;</translation>
    </message>
    <message>
        <source> Output OverCurrent;</source>
        <translation> Output OverCurrent;</translation>
    </message>
    <message>
        <source> BMS Abnormal heartbeat frame;</source>
        <translation> BMS Abnormal heartbeat frame;</translation>
    </message>
    <message>
        <source> Current detected when the main circuit is disconnected;</source>
        <translation> Current detected when the main circuit is disconnected;</translation>
    </message>
    <message>
        <source> BMS does not respond to cell sampling request;</source>
        <translation> BMS does not respond to cell sampling request;</translation>
    </message>
    <message>
        <source> Output Voltage differs too much from the accumulator voltage;</source>
        <translation> Output Voltage differs too much from the accumulator voltage;</translation>
    </message>
    <message>
        <source>| Switch off by pressing LED button. |</source>
        <translation>| Switch off by pressing LED button. |</translation>
    </message>
    <message>
        <source>| Shutdown dur to timer timeout. |</source>
        <translation>| Shutdown dur to timer timeout. |</translation>
    </message>
    <message>
        <source>| BMS requests to switch off. |</source>
        <translation>| BMS requests to switch off. |</translation>
    </message>
    <message>
        <source>| Inverter requests to switch off. |</source>
        <translation>| Inverter requests to switch off. |</translation>
    </message>
    <message>
        <source>| Black start is prohibited for the inverter. |</source>
        <translation>| Black start is prohibited for the inverter. |</translation>
    </message>
    <message>
        <source>| Inverter requests to reset. |</source>
        <translation>| Inverter requests to reset. |</translation>
    </message>
    <message>
        <source>| Moduel type: QPC |</source>
        <translation>| Moduel type: QPC |</translation>
    </message>
    <message>
        <source>| Moduel type: QPB |</source>
        <translation>| Moduel type: QPB |</translation>
    </message>
    <message>
        <source>| Moduel type: QPA |</source>
        <translation>| Moduel type: QPA |</translation>
    </message>
    <message>
        <source>| BMS A Updating |</source>
        <translation>| BMS A Updating |</translation>
    </message>
    <message>
        <source>| BMS B Updating |</source>
        <translation>| BMS B Updating |</translation>
    </message>
    <message>
        <source>| BMS Parameters table Updating |</source>
        <translation>| BMS Parameters table Updating |</translation>
    </message>
    <message>
        <source>| Calibrated by Upper computer |</source>
        <translation>| Calibrated by Upper computer |</translation>
    </message>
    <message>
        <source>| Calibrated by Inverter |</source>
        <translation>| Calibrated by Inverter |</translation>
    </message>
    <message>
        <source>| Calibrated by Internet |</source>
        <translation>| Calibrated by Internet |</translation>
    </message>
    <message>
        <source>| No BMS reply |</source>
        <translation>| No BMS reply |</translation>
    </message>
    <message>
        <source>| BMS reports not assigned to the address |</source>
        <translation>| BMS reports not assigned to the address |</translation>
    </message>
    <message>
        <source>| Not defined. |</source>
        <translation>| Not defined. |</translation>
    </message>
    <message>
        <source>| Bootloader |</source>
        <translation>| Bootloader |</translation>
    </message>
    <message>
        <source>| F/W Update |</source>
        <translation>| F/W Update |</translation>
    </message>
    <message>
        <source>| Running section: A |</source>
        <translation>| Running section: A |</translation>
    </message>
    <message>
        <source>| Running section: B |</source>
        <translation>| Running section: B |</translation>
    </message>
    <message>
        <source>| Current Version: %1 |</source>
        <translation>| Current Version: %1 |</translation>
    </message>
    <message>
        <source>| Not defined |</source>
        <translation>| Not defined |</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>No warning</translation>
    </message>
    <message>
        <source>| Cell_Max._V:%1mV |</source>
        <translation>| Cell_Max._V:%1mV |</translation>
    </message>
    <message>
        <source>| Cell_Min._V:%1mV |</source>
        <translation>| Cell_Min._V:%1mV |</translation>
    </message>
    <message>
        <source>| Battery_Temp_Max:%1℃ |</source>
        <translation>| Battery_Temp_Max:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery_Temp_Min:%1℃ |</source>
        <translation>| Battery_Temp_Min:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery Total Voltage:%1V |</source>
        <translation>| Battery Total Voltage:%1V |</translation>
    </message>
    <message>
        <source>| SOC:%1% |</source>
        <translation>| SOC:%1% |</translation>
    </message>
    <message>
        <source>| SOH:%1% |</source>
        <translation>| SOH:%1% |</translation>
    </message>
    <message>
        <source>| Running Time: %1s |</source>
        <translation>| Running Time: %1s |</translation>
    </message>
    <message>
        <source>| BMU detected Cells Qty: %1 |</source>
        <translation>| BMU detected Cells Qty: %1 |</translation>
    </message>
    <message>
        <source>| BMU detected Temp. Qty: %1 |</source>
        <translation>| BMU detected Temp. Qty: %1 |</translation>
    </message>
    <message>
        <source>| BMU detected Cell_V_Max: %1mV |</source>
        <translation>| BMU detected Cell_V_Max: %1mV |</translation>
    </message>
    <message>
        <source>| BMU detected Cell_V_Min: %1mV |</source>
        <translation>| BMU detected Cell_V_Min: %1mV |</translation>
    </message>
    <message>
        <source>| BMU detected Temp_Max: %1℃ |</source>
        <translation>| BMU detected Temp_Max: %1℃ |</translation>
    </message>
    <message>
        <source>| BMU detected Temp_Min: %1℃ |</source>
        <translation>| BMU detected Temp_Min: %1℃ |</translation>
    </message>
    <message>
        <source>| BMU detected Current: %1A |</source>
        <translation>| BMU detected Current: %1A |</translation>
    </message>
    <message>
        <source>| BMU detected Output_V: %1V |</source>
        <translation>| BMU detected Output_V: %1V |</translation>
    </message>
    <message>
        <source>| BMU detected All Cells Accum_V: %1V |</source>
        <translation>| BMU detected All Cells Accum_V: %1V |</translation>
    </message>
    <message>
        <source>| BMS Address: %1 |</source>
        <translation>| BMS Address: %1 |</translation>
    </message>
    <message>
        <source>| Moduel type: Not defined |</source>
        <translation>| Moduel type: Not defined |</translation>
    </message>
    <message>
        <source>| Moduel Number: %1 |</source>
        <translation>| Moduel Number: %1 |</translation>
    </message>
    <message>
        <source>| Charge Max. Current:%1A |</source>
        <translation>| Charge Max. Current:%1A |</translation>
    </message>
    <message>
        <source>| Discharge Max. Current:%1A |</source>
        <translation>| Discharge Max. Current:%1A |</translation>
    </message>
    <message>
        <source>| Charge Max. Voltage:%1V |</source>
        <translation>| Charge Max. Voltage:%1V |</translation>
    </message>
    <message>
        <source>| Discharge Min. Voltage:%1V |</source>
        <translation>| Discharge Min. Voltage:%1V |</translation>
    </message>
    <message>
        <source>| Battery Temperature:%1℃ |</source>
        <translation>| Battery Temperature:%1℃ |</translation>
    </message>
    <message>
        <source>| BMS Qty:%1 |</source>
        <translation>| BMS Qty:%1 |</translation>
    </message>
    <message>
        <source>| Environment_Temp_Min:%1℃ |</source>
        <translation>| Environment_Temp_Min:%1℃ |</translation>
    </message>
    <message>
        <source>| Environment_Temp_Max:%1℃ |</source>
        <translation>| Environment_Temp_Max:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery Current_Temp:%1℃ |</source>
        <translation>| Battery Current_Temp:%1℃ |</translation>
    </message>
    <message>
        <source>| Cell_HV:%1mV |</source>
        <translation>| Cell_HV:%1mV |</translation>
    </message>
    <message>
        <source>| Cell_LV:%1mV |</source>
        <translation>| Cell_LV:%1mV |</translation>
    </message>
    <message>
        <source>| BMS Warning1:%1 |</source>
        <translation>| BMS Warning1:%1 |</translation>
    </message>
    <message>
        <source>| BMS Warning2:%1 |</source>
        <translation>| BMS Warning2:%1 |</translation>
    </message>
    <message>
        <source>| BMS Warning3:%1 |</source>
        <translation>| BMS Warning3:%1 |</translation>
    </message>
    <message>
        <source>| System Status:%1 |</source>
        <translation>| System Status:%1 |</translation>
    </message>
    <message>
        <source>| Not defined </source>
        <translation>| Not defined </translation>
    </message>
    <message>
        <source>| Erased section: A |</source>
        <translation>| Erased section: A |</translation>
    </message>
    <message>
        <source>| Erased section: B |</source>
        <translation>| Erased section: B |</translation>
    </message>
    <message>
        <source>| FW Version: %1 |</source>
        <translation>| FW Version: %1 |</translation>
    </message>
    <message>
        <source>| BCU can not be shutdown! |</source>
        <translation>| BCU can not be shutdown! |</translation>
    </message>
    <message>
        <source>| Air switch can not be disconnected! |</source>
        <translation>| Air switch can not be disconnected! |</translation>
    </message>
    <message>
        <source>| Version:%1 |</source>
        <translation>| Version:%1 |</translation>
    </message>
    <message>
        <source>| BMS Update Finish |</source>
        <translation>| BMS Update Finish |</translation>
    </message>
    <message>
        <source>| BMS Update Failure |</source>
        <translation>| BMS Update Failure |</translation>
    </message>
    <message>
        <source>| BMS Parameters table Update |</source>
        <translation>| BMS Parameters table Update |</translation>
    </message>
    <message>
        <source>| BMU Parameters table Update |</source>
        <translation>| BMU Parameters table Update |</translation>
    </message>
    <message>
        <source>| Parameters table： %1 |</source>
        <translation>| Parameters table: %1 |</translation>
    </message>
    <message>
        <source>| System Status:BMU_INIT |</source>
        <translation>| System Status:BMU_INIT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_SELFCHECK |</source>
        <translation>| System Status:BMU_SELFCHECK |</translation>
    </message>
    <message>
        <source>| System Status:BMU_LOADPARAMETER |</source>
        <translation>| System Status:BMU_LOADPARAMETER |</translation>
    </message>
    <message>
        <source>| System Status:BMU_PRECHARGE |</source>
        <translation>| System Status:BMU_PRECHARGE |</translation>
    </message>
    <message>
        <source>| System Status:BMU_POLICY |</source>
        <translation>| System Status:BMU_POLICY |</translation>
    </message>
    <message>
        <source>| System Status:BMU_FAULT |</source>
        <translation>| System Status:BMU_FAULT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_WAIT |</source>
        <translation>| System Status:BMU_WAIT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_SHUTDOWN |</source>
        <translation>| System Status:BMU_SHUTDOWN |</translation>
    </message>
    <message>
        <source>Battery over voltage;</source>
        <translation>Battery over voltage;</translation>
    </message>
    <message>
        <source>Battery under voltage;</source>
        <translation>Battery under voltage;</translation>
    </message>
    <message>
        <source>Cell over voltage;</source>
        <translation>Cell over voltage;</translation>
    </message>
    <message>
        <source>Cell under voltage;</source>
        <translation>Cell under voltage;</translation>
    </message>
    <message>
        <source>I-sensor failure;</source>
        <translation>I-sensor failure;</translation>
    </message>
    <message>
        <source>| Shutdown by pressing LED button. |</source>
        <translation>| Shutdown by pressing LED button. |</translation>
    </message>
    <message>
        <source>| Shutdown due to Low SOC. |</source>
        <translation>| Shutdown due to Low SOC. |</translation>
    </message>
    <message>
        <source>| Inverter no respond. |</source>
        <translation>| Inverter no respond. |</translation>
    </message>
    <message>
        <source>| Shutdown due to Warning level4. |</source>
        <translation>| Shutdown due to Warning level4. |</translation>
    </message>
    <message>
        <source>| Cell voltage High |</source>
        <translation>| Cell voltage High |</translation>
    </message>
    <message>
        <source>| Cell voltage low |</source>
        <translation>| Cell voltage low |</translation>
    </message>
    <message>
        <source>| Discharging Temp. High |</source>
        <translation>| Discharging Temp. High |</translation>
    </message>
    <message>
        <source>| Discharging Temp. low |</source>
        <translation>| Discharging Temp. low |</translation>
    </message>
    <message>
        <source>| Charging Temp. High |</source>
        <translation>| Charging Temp. High |</translation>
    </message>
    <message>
        <source>| Charging Temp. low |</source>
        <translation>| Charging Temp. low |</translation>
    </message>
    <message>
        <source>| Discharging Overcurrent |</source>
        <translation>| Discharging Overcurrent |</translation>
    </message>
    <message>
        <source>| Charging Overcurrent |</source>
        <translation>| Charging Overcurrent |</translation>
    </message>
    <message>
        <source>| Updating Section A |</source>
        <translation>| Updating Section A |</translation>
    </message>
    <message>
        <source>| Updating Section B |</source>
        <translation>| Updating Section B |</translation>
    </message>
    <message>
        <source>| BMS Update |</source>
        <translation>| BMS Update |</translation>
    </message>
    <message>
        <source>| BMU Update |</source>
        <translation>| BMU Update |</translation>
    </message>
    <message>
        <source>| BMS Update finish |</source>
        <translation>| BMS Update finish |</translation>
    </message>
    <message>
        <source>| BMU Update finish |</source>
        <translation>| BMU Update finish |</translation>
    </message>
    <message>
        <source>| BMS Update failure |</source>
        <translation>| BMS Update failure |</translation>
    </message>
    <message>
        <source>| BMU Update failure |</source>
        <translation>| BMU Update failure |</translation>
    </message>
    <message>
        <source>| BMS Updating |</source>
        <translation>| BMS Updating |</translation>
    </message>
    <message>
        <source>| BMU Updating |</source>
        <translation>| BMU Updating |</translation>
    </message>
    <message>
        <source>| BMS P-T Updating done |</source>
        <translation>| BMS P-T Updating done |</translation>
    </message>
    <message>
        <source>| BMU P-T Updating done |</source>
        <translation>| BMU P-T Updating done |</translation>
    </message>
    <message>
        <source>| No warning%1 |</source>
        <translation>| No warning%1 |</translation>
    </message>
    <message>
        <source>| Warning%1:</source>
        <translation>| Warning%1:</translation>
    </message>
    <message>
        <source>| Output Voltage:%1V |</source>
        <translation>| Output Voltage:%1V |</translation>
    </message>
    <message>
        <source>| Current:%1A |</source>
        <translation>| Current:%1A |</translation>
    </message>
    <message>
        <source>| Running Version:%1 |</source>
        <translation>| Running Version:%1 |</translation>
    </message>
    <message>
        <source> | Stop Charging |</source>
        <translation> | Stop Charging |</translation>
    </message>
    <message>
        <source>| F/W Version:%1 |</source>
        <translation>| F/W Version:%1 |</translation>
    </message>
    <message>
        <source>| P/T Version:%1 |</source>
        <translation>| P/T Version:%1 |</translation>
    </message>
    <message>
        <source>| P/T No.%1 table updating |</source>
        <translation>| P/T No.%1 table updating |</translation>
    </message>
    <message>
        <source>No record data</source>
        <translation>No record data</translation>
    </message>
    <message>
        <source>| SMA enables  signal loss. |</source>
        <translation>| SMA enables  signal loss. |</translation>
    </message>
</context>
<context>
    <name>HistoryRead</name>
    <message>
        <source>No response from the BMU: reading the history stopped after %1 of %2 blocks.</source>
        <translation>No response from the BMU: reading the history stopped after %1 of %2 blocks.</translation>
    </message>
</context>
<context>
    <name>LinkLog</name>
    <message>
        <source>sent</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>received</source>
        <translation>received</translation>
    </message>
    <message>
        <source>good</source>
        <translation>good</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>bad</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Time (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latency (ms)</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>short frame of %1 bytes</source>
        <translation>short frame of %1 bytes</translation>
    </message>
    <message>
        <source>exception %1 (%2) to function %3</source>
        <translation>exception %1 (%2) to function %3</translation>
    </message>
    <message>
        <source>read %1, count %2</source>
        <translation>read %1, count %2</translation>
    </message>
    <message>
        <source>reply to read %2, count %1</source>
        <translation>reply to read %2, count %1</translation>
    </message>
    <message>
        <source>reply, count %1</source>
        <translation>reply, count %1</translation>
    </message>
    <message>
        <source>write %1, count %2</source>
        <translation>write %1, count %2</translation>
    </message>
    <message>
        <source>echo of write %1, count %2</source>
        <translation>echo of write %1, count %2</translation>
    </message>
    <message>
        <source>function %1</source>
        <translation>function %1</translation>
    </message>
</context>
<context>
    <name>LinkMonitorWindow</name>
    <message>
        <source>Save the link monitor</source>
        <translation>Save the link monitor</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Link monitor</source>
        <translation>Link monitor</translation>
    </message>
    <message>
        <source>received</source>
        <translation>received</translation>
    </message>
    <message>
        <source>good</source>
        <translation>good</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latency (ms)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>Save as text…</translation>
    </message>
    <message>
        <source>All operations</source>
        <translation>All operations</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>Operation:</translation>
    </message>
    <message>
        <source>Frames %1 · bytes %2 · CRC errors %3 · exceptions %4 · time-outs %5 · mean latency %6 ms</source>
        <translation>Frames %1 · bytes %2 · CRC errors %3 · exceptions %4 · time-outs %5 · mean latency %6 ms</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>LiveRefresh</name>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Paused: %1 running</source>
        <translation>Paused: %1 running</translation>
    </message>
    <message>
        <source>Live · reading</source>
        <translation>Live · reading</translation>
    </message>
    <message>
        <source>Live · updated %1 s ago</source>
        <translation>Live · updated %1 s ago</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Welcome To Use VTR</source>
        <translation>Welcome To Use VTR</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Service Partner</source>
        <translation>Service Partner</translation>
    </message>
    <message>
        <source>Inverter Partner</source>
        <translation>Inverter Partner</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose your character</source>
        <translation>Choose your character</translation>
    </message>
    <message>
        <source>No password is stored for this role.</source>
        <translation>No password is stored for this role.</translation>
    </message>
    <message>
        <source>Password is wrong. 
 It is same as WiFi&apos;s password!</source>
        <translation>Password is wrong. 
 It is same as WiFi&apos;s password!</translation>
    </message>
    <message>
        <source>Password is wrong!</source>
        <translation>Password is wrong!</translation>
    </message>
    <message>
        <source>No passwords are set for this folder (no %1 here).
Set them with: voltaro --set-password ROLE PASSWORD</source>
        <translation>No passwords are set for this folder (no %1 here).
Set them with: voltaro --set-password ROLE PASSWORD</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keep this PC on the battery system&apos;s WiFi while reading or updating.</source>
        <translation>Keep this PC on the battery system&apos;s WiFi while reading or updating.</translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation>Date&amp;Time</translation>
    </message>
    <message>
        <source>Fault Level</source>
        <translation>Fault Level</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Remind</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Data export successfully. Do you want to open it now?</source>
        <translation>Data export successfully. Do you want to open it now?</translation>
    </message>
    <message>
        <source>Choose Excel file</source>
        <translation>Choose Excel file</translation>
    </message>
    <message>
        <source>Please choose BMU or BMS first.</source>
        <translation>Please choose BMU or BMS first.</translation>
    </message>
    <message>
        <source>Choose F/W file</source>
        <translation>Choose F/W file</translation>
    </message>
    <message>
        <source>选择Excel文件</source>
        <translation>Choose Excel file</translation>
    </message>
    <message>
        <source>No file chosen; no table was written.</source>
        <translation>No file chosen; no table was written.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>加密的阈值表导出成功, 文件名为：%1,已存入Data文件夹</source>
        <translation>The encrypted threshold table was exported as %1 and stored in the Data folder.</translation>
    </message>
    <message>
        <source>Downloading from the update server...</source>
        <translation>Downloading from the update server...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>please wait...</source>
        <translation>please wait...</translation>
    </message>
    <message>
        <source>The firmware image cannot be sent.</source>
        <translation>The firmware image cannot be sent.</translation>
    </message>
    <message>
        <source>File is destroyed,please download and try again. Or contact with our service partner.</source>
        <translation>File is destroyed,please download and try again. Or contact with our service partner.</translation>
    </message>
    <message>
        <source>Fast reads on</source>
        <translation>Fast reads on</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please input the correct Number.</source>
        <translation>Please input the correct Number.</translation>
    </message>
    <message>
        <source>Reading historical data...</source>
        <translation>Reading historical data...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>Connected to %1:%2</translation>
    </message>
    <message>
        <source>Link lost, reconnecting (attempt %1)</source>
        <translation>Link lost, reconnecting (attempt %1)</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>information</source>
        <translation>information</translation>
    </message>
    <message>
        <source>Connection successfully!</source>
        <translation>Connection successfully!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Connection failed!</source>
        <translation>Connection failed!</translation>
    </message>
    <message>
        <source>The BMU reports %1 towers of %2 modules, more than a system can have: check the number of modules in the setup.</source>
        <translation>The BMU reports %1 towers of %2 modules, more than a system can have: check the number of modules in the setup.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Log Data</source>
        <translation>Log Data</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Cell Chart</source>
        <translation>Cell Chart</translation>
    </message>
    <message>
        <source>Confirm the update</source>
        <translation>Confirm the update</translation>
    </message>
    <message>
        <source>parameter table</source>
        <translation>parameter table</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>every %1 s</source>
        <translation>every %1 s</translation>
    </message>
    <message>
        <source>Link down: values last read %1</source>
        <translation>Link down: values last read %1</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>The link to the BMU was lost during the %1: reconnecting, the %1 goes on once the BMU answers again or ends at its time-out.</source>
        <translation>The link to the BMU was lost during the %1: reconnecting, the %1 goes on once the BMU answers again or ends at its time-out.</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>OFF GRID</source>
        <translation>OFF GRID</translation>
    </message>
    <message>
        <source>ON GRID</source>
        <translation>ON GRID</translation>
    </message>
    <message>
        <source>BACK UP</source>
        <translation>BACK UP</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>SOC:%1%</source>
        <translation>SOC:%1%</translation>
    </message>
    <message>
        <source>Current:%1A</source>
        <translation>Current:%1A</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>DisCharging</source>
        <translation>DisCharging</translation>
    </message>
    <message>
        <source>Bat:%1V</source>
        <translation>Bat:%1V</translation>
    </message>
    <message>
        <source>Output:%1V</source>
        <translation>Output:%1V</translation>
    </message>
    <message>
        <source>Power:%1W</source>
        <translation>Power:%1W</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Modules in Serial</source>
        <translation>Modules in Serial</translation>
    </message>
    <message>
        <source>Modules in Parallels</source>
        <translation>Modules in Parallels</translation>
    </message>
    <message>
        <source>The number of modules must be a whole number from 0 to 255. Nothing was written.</source>
        <translation>The number of modules must be a whole number from 0 to 255. Nothing was written.</translation>
    </message>
    <message>
        <source>Please choose the battery type, the grid and the phase. Nothing was written.</source>
        <translation>Please choose the battery type, the grid and the phase. Nothing was written.</translation>
    </message>
    <message>
        <source>The setup has not been read yet: press Refresh first, so that the number of towers the BMU reports is kept. Nothing was written.</source>
        <translation>The setup has not been read yet: press Refresh first, so that the number of towers the BMU reports is kept. Nothing was written.</translation>
    </message>
    <message>
        <source>On a high-voltage system the modules per tower are a number from 0 to 15. Nothing was written.</source>
        <translation>On a high-voltage system the modules per tower are a number from 0 to 15. Nothing was written.</translation>
    </message>
</context>
<context>
    <name>SetupRead</name>
    <message>
        <source>No valid reply from the BMU: the setup was not read.</source>
        <translation>No valid reply from the BMU: the setup was not read.</translation>
    </message>
    <message>
        <source>No valid reply from the BMU.</source>
        <translation>No valid reply from the BMU.</translation>
    </message>
</context>
<context>
    <name>SetupWrite</name>
    <message>
        <source>The BMU did not confirm the setup: nothing is known to be written.</source>
        <translation>The BMU did not confirm the setup: nothing is known to be written.</translation>
    </message>
    <message>
        <source>setting susseccful</source>
        <translation>setting susseccful</translation>
    </message>
</context>
<context>
    <name>StatusRefresh</name>
    <message>
        <source>No valid reply from the BMU: the refresh ended.</source>
        <translation>No valid reply from the BMU: the refresh ended.</translation>
    </message>
    <message>
        <source>No valid reply from the BMU.</source>
        <translation>No valid reply from the BMU.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>No response, please try again.</source>
        <translation>No response, please try again.</translation>
    </message>
    <message>
        <source>Updating failure, please try again!</source>
        <translation>Updating failure, please try again!</translation>
    </message>
    <message>
        <source>Updating,please wait...</source>
        <translation>Updating,please wait...</translation>
    </message>
    <message>
        <source>parameter table update</source>
        <translation>parameter table update</translation>
    </message>
    <message>
        <source>%1 firmware update</source>
        <translation>%1 firmware update</translation>
    </message>
    <message>
        <source>Transferring Data Error,please double check the Wifi connection.</source>
        <translation>Transferring Data Error,please double check the Wifi connection.</translation>
    </message>
    <message>
        <source>Firmware Starts to update.</source>
        <translation>Firmware Starts to update.</translation>
    </message>
    <message>
        <source>Parameters table Starts to update.</source>
        <translation>Parameters table Starts to update.</translation>
    </message>
    <message>
        <source>Update failure, please try again.</source>
        <translation>Update failure, please try again.</translation>
    </message>
    <message>
        <source>update Successful!!!</source>
        <translation>update Successful!!!</translation>
    </message>
    <message>
        <source>Please confirm the version after 2 minutes</source>
        <translation>Please confirm the version after 2 minutes</translation>
    </message>
    <message>
        <source>Update Successful!!!</source>
        <translation>Update Successful!!!</translation>
    </message>
    <message>
        <source>Data has been loaded to BMU successfully!!</source>
        <translation>Data has been loaded to BMU successfully!!</translation>
    </message>
    <message>
        <source>Please keep the system powering on, then BMU will start to update BMS.</source>
        <translation>Please keep the system powering on, then BMU will start to update BMS.</translation>
    </message>
    <message>
        <source>The process will take about 15 minutes.</source>
        <translation>The process will take about 15 minutes.</translation>
    </message>
    <message>
        <source>The update did not end: %1 Nothing is known to be updated.</source>
        <translation>The update did not end: %1 Nothing is known to be updated.</translation>
    </message>
</context>
<context>
    <name>TranslationRun</name>
    <message>
        <source>Please choose the correct data file!!</source>
        <translation>Please choose the correct data file!!</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Reading %1 ...</translation>
    </message>
    <message>
        <source>Translate From File</source>
        <translation>Translate From File</translation>
    </message>
    <message>
        <source>Translating rows ...</source>
        <translation>Translating rows ...</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Remind</translation>
    </message>
    <message>
        <source>Filling the table ...</source>
        <translation>Filling the table ...</translation>
    </message>
</context>
<context>
    <name>Ui_MainWindow</name>
    <message>
        <source>Serial number:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Battery Type:</source>
        <translation>Battery Type:</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>Inverter:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>System Info</translation>
    </message>
    <message>
        <source>Diagnosis</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cells Info</source>
        <translation>Cells Info</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Max. Cell Voltage:</source>
        <translation>Max. Cell Voltage:</translation>
    </message>
    <message>
        <source>Min. Cell Voltage:</source>
        <translation>Min. Cell Voltage:</translation>
    </message>
    <message>
        <source>Max. Cell Temp.:</source>
        <translation>Max. Cell Temp.:</translation>
    </message>
    <message>
        <source>Min. Cell Temp.:</source>
        <translation>Min. Cell Temp.:</translation>
    </message>
    <message>
        <source>Temp.:</source>
        <translation>Temp.:</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Grid:</translation>
    </message>
    <message>
        <source>System status:</source>
        <translation>System status:</translation>
    </message>
    <message>
        <source>F/W Version</source>
        <translation>F/W Version</translation>
    </message>
    <message>
        <source>BMS Qty:</source>
        <translation>BMS Qty:</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>    Configuration</source>
        <translation>    Configuration</translation>
    </message>
    <message>
        <source>Inverter type</source>
        <translation>Inverter type</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>Battery type</translation>
    </message>
    <message>
        <source>Off Grid</source>
        <translation>Off Grid</translation>
    </message>
    <message>
        <source>On Grid</source>
        <translation>On Grid</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Qty of Parallel：</source>
        <translation>Qty of Parallel:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Inverter Type：</source>
        <translation>Inverter Type:</translation>
    </message>
    <message>
        <source>Phase：</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Battery Type：</source>
        <translation>Battery Type:</translation>
    </message>
    <message>
        <source>Grid：</source>
        <translation>Grid:</translation>
    </message>
    <message>
        <source>Service and support</source>
        <translation>Service and support</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Voltaro service&lt;/h3&gt;&lt;p&gt;For commissioning questions, firmware updates and warranty cases please contact your service partner first.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Service hotline:&lt;/b&gt; +49 30 0000 0000 (Mon&amp;ndash;Fri, 8:00&amp;ndash;17:00)&lt;br/&gt;&lt;b&gt;E-mail:&lt;/b&gt; service@voltaro.net&lt;/p&gt;&lt;p&gt;Please have the serial number of the BMU and, for a tower, of its BMS at hand.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Voltaro service&lt;/h3&gt;&lt;p&gt;For commissioning questions, firmware updates and warranty cases please contact your service partner first.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Service hotline:&lt;/b&gt; +49 30 0000 0000 (Mon&amp;ndash;Fri, 8:00&amp;ndash;17:00)&lt;br/&gt;&lt;b&gt;E-mail:&lt;/b&gt; service@voltaro.net&lt;/p&gt;&lt;p&gt;Please have the serial number of the BMU and, for a tower, of its BMS at hand.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Battery:</translation>
    </message>
    <message>
        <source>Pack:</source>
        <translation>Pack:</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Cells</translation>
    </message>
    <message>
        <source>Max. Voltage:</source>
        <translation>Max. Voltage:</translation>
    </message>
    <message>
        <source>Min. Voltage:</source>
        <translation>Min. Voltage:</translation>
    </message>
    <message>
        <source>Max. Temp.:</source>
        <translation>Max. Temp.:</translation>
    </message>
    <message>
        <source>Min. Temp.:</source>
        <translation>Min. Temp.:</translation>
    </message>
    <message>
        <source>Export To File</source>
        <translation>Export To File</translation>
    </message>
    <message>
        <source>Firmware download</source>
        <translation>Firmware download</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>Section:</translation>
    </message>
    <message>
        <source>FW Type:</source>
        <translation>FW Type:</translation>
    </message>
    <message>
        <source>Running version:</source>
        <translation>Running version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Parameter table update</source>
        <translation>Parameter table update</translation>
    </message>
    <message>
        <source>Running:</source>
        <translation>Running:</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>New:</translation>
    </message>
    <message>
        <source> Read</source>
        <translation> Read</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Fast reads</source>
        <translation>Fast reads</translation>
    </message>
    <message>
        <source>Ask for the next page as soon as the BMU has answered, instead of at fixed steps. Leave it off for a BMU that needs the pauses.</source>
        <translation>Ask for the next page as soon as the BMU has answered, instead of at fixed steps. Leave it off for a BMU that needs the pauses.</translation>
    </message>
    <message>
        <source>Logs&apos; Qty</source>
        <translation>Logs&apos; Qty</translation>
    </message>
    <message>
        <source>Translate From File</source>
        <translation>Translate From File</translation>
    </message>
    <message>
        <source>Firmware verification</source>
        <translation>Firmware verification</translation>
    </message>
    <message>
        <source>  Choose F/W File</source>
        <translation>  Choose F/W File</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Threshold table encryption</source>
        <translation>Threshold table encryption</translation>
    </message>
    <message>
        <source>Load Table</source>
        <translation>Load Table</translation>
    </message>
    <message>
        <source>Battery type:</source>
        <translation>Battery type:</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Please download the Firmware file firstly.</source>
        <translation>Please download the Firmware file firstly.</translation>
    </message>
    <message>
        <source>The firmware file is incomplete, please delete it from local folder &apos;...//Data&apos;, then re-download a new firmware from server.</source>
        <translation>The firmware file is incomplete, please delete it from local folder &apos;...//Data&apos;, then re-download a new firmware from server.</translation>
    </message>
    <message>
        <source>The firmware file cannot be sent: its version is above 255 or the image needs more than 65535 packets.</source>
        <translation>The firmware file cannot be sent: its version is above 255 or the image needs more than 65535 packets.</translation>
    </message>
    <message>
        <source>There is new version for parameter table,please update it. </source>
        <translation>There is new version for parameter table,please update it. </translation>
    </message>
    <message>
        <source>Load Firmware data successfully.</source>
        <translation>Load Firmware data successfully.</translation>
    </message>
    <message>
        <source>Load parameter table data successfully.</source>
        <translation>Load parameter table data successfully.</translation>
    </message>
    <message>
        <source>The parameter table has been latest.</source>
        <translation>The parameter table has been latest.</translation>
    </message>
    <message>
        <source>Please download the parameter table file firstly.</source>
        <translation>Please download the parameter table file firstly.</translation>
    </message>
    <message>
        <source>The battery type is unknown, please refresh the system info firstly.</source>
        <translation>The battery type is unknown, please refresh the system info firstly.</translation>
    </message>
    <message>
        <source>The parameter table has %1 bytes instead of %2, please download it again.</source>
        <translation>The parameter table has %1 bytes instead of %2, please download it again.</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmation</name>
    <message>
        <source>about %1 s</source>
        <translation>about %1 s</translation>
    </message>
    <message>
        <source>about %1 min %2 s</source>
        <translation>about %1 min %2 s</translation>
    </message>
    <message>
        <source>Update the %1 now?

Unit: %1
Version: %2 → %3
File: %4
Size: %5 bytes in %6 packets
Estimated time: %7

Keep the system powered and this PC on its WiFi until the update ends.</source>
        <translation>Update the %1 now?

Unit: %1
Version: %2 → %3
File: %4
Size: %5 bytes in %6 packets
Estimated time: %7

Keep the system powered and this PC on its WiFi until the update ends.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
</context>
</TS>
