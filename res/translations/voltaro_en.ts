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
