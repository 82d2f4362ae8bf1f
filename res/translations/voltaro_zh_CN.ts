<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BMS_Info</name>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>告警</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>No values read yet: press Read.</source>
        <translation>尚未读取数值：请按读取。</translation>
    </message>
    <message>
        <source>Spread %1 · highest %2 (No.%3) · lowest %4 (No.%5) · mean %6</source>
        <translation>压差 %1 · 最高 %2（No.%3）· 最低 %4（No.%5）· 平均 %6</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>模块 %1</translation>
    </message>
    <message>
        <source>max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>%1号</translation>
    </message>
</context>
<context>
    <name>BmsInfo</name>
    <message>
        <source>Charging:%1A</source>
        <translation>充电：%1A</translation>
    </message>
    <message>
        <source>DisCharging:%1A</source>
        <translation>放电：%1A</translation>
    </message>
    <message>
        <source>Battery Over Voltage;</source>
        <translation>电池过压；</translation>
    </message>
    <message>
        <source>Battery Under Voltage;</source>
        <translation>电池欠压；</translation>
    </message>
    <message>
        <source>Cell Over Voltage;</source>
        <translation>单体过压；</translation>
    </message>
    <message>
        <source>Cell Under Voltage;</source>
        <translation>单体欠压；</translation>
    </message>
    <message>
        <source>Voltage Sensor Failure;</source>
        <translation>电压传感器故障；</translation>
    </message>
    <message>
        <source>Temperature Sensor Failure;</source>
        <translation>温度传感器故障；</translation>
    </message>
    <message>
        <source>High Temperature Discharging (Cells);</source>
        <translation>放电高温（电芯）；</translation>
    </message>
    <message>
        <source>Low Temperature Discharging (Cells);</source>
        <translation>放电低温（电芯）；</translation>
    </message>
    <message>
        <source>High Temperature Charging (Cells);</source>
        <translation>充电高温（电芯）；</translation>
    </message>
    <message>
        <source>Low Temperature Charging (Cells);</source>
        <translation>充电低温（电芯）；</translation>
    </message>
    <message>
        <source>Over Current Discharging;</source>
        <translation>放电过流；</translation>
    </message>
    <message>
        <source>Over Current Charging;</source>
        <translation>充电过流；</translation>
    </message>
    <message>
        <source>Main circuit Failure;</source>
        <translation>主回路故障；</translation>
    </message>
    <message>
        <source>Short Circuit Alarm;</source>
        <translation>短路告警；</translation>
    </message>
    <message>
        <source>Cells ImBalance;</source>
        <translation>电芯不均衡；</translation>
    </message>
    <message>
        <source>Current Sensor Failure;</source>
        <translation>电流传感器故障；</translation>
    </message>
</context>
<context>
    <name>BmsInfoRead</name>
    <message>
        <source>No BMS to read yet: press Refresh on the System Info tab first.</source>
        <translation>尚无可读取的 BMS：请先在“系统信息”页点击“刷新”。</translation>
    </message>
    <message>
        <source>No BMS to read.</source>
        <translation>没有可读取的 BMS。</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: the BMS information was not read.</source>
        <translation>BMU 无有效应答：未读取 BMS 信息。</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: the BMS information is incomplete.</source>
        <translation>BMU 无有效应答：BMS 信息不完整。</translation>
    </message>
    <message>
        <source>The BMU did not get the BMS information ready.</source>
        <translation>BMU 未能准备好 BMS 信息。</translation>
    </message>
    <message>
        <source>No valid reply from the BMU: a page of the BMS information went missing.</source>
        <translation>BMU 无有效应答：BMS 信息缺少一页。</translation>
    </message>
</context>
<context>
    <name>BmsTables</name>
    <message>
        <source>Items</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Battery SN</source>
        <translation>电池序列号</translation>
    </message>
    <message>
        <source>Section A</source>
        <translation>A 区</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>SOC（荷电状态）</translation>
    </message>
    <message>
        <source>Section B</source>
        <translation>B 区</translation>
    </message>
    <message>
        <source>Battery total voltage</source>
        <translation>电池总电压</translation>
    </message>
    <message>
        <source>Running Section</source>
        <translation>运行分区</translation>
    </message>
    <message>
        <source>Pack Voltage</source>
        <translation>电池包电压</translation>
    </message>
    <message>
        <source>Threshold table A</source>
        <translation>阈值表 A</translation>
    </message>
    <message>
        <source>Battery Current</source>
        <translation>电池电流</translation>
    </message>
    <message>
        <source>Threshold table B</source>
        <translation>阈值表 B</translation>
    </message>
    <message>
        <source>Switch State</source>
        <translation>开关状态</translation>
    </message>
    <message>
        <source>Warning level 1</source>
        <translation>一级告警</translation>
    </message>
    <message>
        <source>Highest voltage(Cells)</source>
        <translation>最高电压（电芯）</translation>
    </message>
    <message>
        <source>Warning level 2</source>
        <translation>二级告警</translation>
    </message>
    <message>
        <source>Lowest voltage(Cells)</source>
        <translation>最低电压（电芯）</translation>
    </message>
    <message>
        <source>Warning level 3</source>
        <translation>三级告警</translation>
    </message>
    <message>
        <source>Highest Temp(Cells)</source>
        <translation>最高温度（电芯）</translation>
    </message>
    <message>
        <source>Fault code 1</source>
        <translation>故障码 1</translation>
    </message>
    <message>
        <source>Lowest Temp(Cells)</source>
        <translation>最低温度（电芯）</translation>
    </message>
    <message>
        <source>Fault code 2</source>
        <translation>故障码 2</translation>
    </message>
    <message>
        <source>Battery OverVoltage</source>
        <translation>电池过压</translation>
    </message>
    <message>
        <source>Battery UnderVoltage</source>
        <translation>电池欠压</translation>
    </message>
    <message>
        <source>Cells OverVoltage</source>
        <translation>电芯过压</translation>
    </message>
    <message>
        <source>Cells UnderVoltage</source>
        <translation>电芯欠压</translation>
    </message>
    <message>
        <source>V-Sensor Failure</source>
        <translation>电压传感器故障</translation>
    </message>
    <message>
        <source>T-Sensor Failure</source>
        <translation>温度传感器故障</translation>
    </message>
    <message>
        <source>DisC High Temp(Cells)</source>
        <translation>放电高温（电芯）</translation>
    </message>
    <message>
        <source>DisC Low Temp(Cells)</source>
        <translation>放电低温（电芯）</translation>
    </message>
    <message>
        <source>Chg High Temp(Cells)</source>
        <translation>充电高温（电芯）</translation>
    </message>
    <message>
        <source>Chg Low Temp(Cells)</source>
        <translation>充电低温（电芯）</translation>
    </message>
    <message>
        <source>DisC OverCurrent</source>
        <translation>放电过流</translation>
    </message>
    <message>
        <source>Chg OverCurrent</source>
        <translation>充电过流</translation>
    </message>
    <message>
        <source>Main circuit Failure</source>
        <translation>主回路故障</translation>
    </message>
    <message>
        <source>Short Circuit Alarm</source>
        <translation>短路告警</translation>
    </message>
    <message>
        <source>Cells ImBalance</source>
        <translation>电芯不均衡</translation>
    </message>
    <message>
        <source>I-Sensor Failure</source>
        <translation>电流传感器故障</translation>
    </message>
    <message>
        <source>Module %1</source>
        <translation>模块 %1</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>模块</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>%1号</translation>
    </message>
    <message>
        <source>Cell No.</source>
        <translation>电芯编号</translation>
    </message>
    <message>
        <source>V-mV</source>
        <translation>电压-mV</translation>
    </message>
    <message>
        <source>Temp.-℃</source>
        <translation>温度-℃</translation>
    </message>
</context>
<context>
    <name>BmuLink</name>
    <message>
        <source>connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>no route to the BMU (is this PC on the system&apos;s WiFi?)</source>
        <translation>无法到达 BMU（本电脑是否已连接系统的 WiFi？）</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <source>timed out after %1 s</source>
        <translation>%1 秒后超时</translation>
    </message>
</context>
<context>
    <name>BmuSession</name>
    <message>
        <source>The session ended.</source>
        <translation>会话已结束。</translation>
    </message>
    <message>
        <source>Another operation is running (%1): wait until it ends.</source>
        <translation>另一项操作正在进行（%1）：请等待其结束。</translation>
    </message>
    <message>
        <source>Stopped: the link to the BMU was disconnected.</source>
        <translation>已停止：与 BMU 的连接已断开。</translation>
    </message>
    <message>
        <source>The BMU answered with Modbus exception %1 (%2).</source>
        <translation>BMU 返回 Modbus 异常 %1（%2）。</translation>
    </message>
    <message>
        <source>Not connected to the BMU: press Connect first.</source>
        <translation>未连接到 BMU：请先按连接。</translation>
    </message>
</context>
<context>
    <name>BmuWarnings</name>
    <message>
        <source>Warning:Battery Over Voltage;</source>
        <translation>警告：电池过压；</translation>
    </message>
    <message>
        <source>Warning:Battery Under Voltage;</source>
        <translation>警告：电池欠压；</translation>
    </message>
    <message>
        <source>Warning:Cell Over Voltage;</source>
        <translation>警告：单体过压；</translation>
    </message>
    <message>
        <source>Warning:Cell Under Voltage;</source>
        <translation>警告：单体欠压；</translation>
    </message>
    <message>
        <source>Alarm:V-Sensor Failed;</source>
        <translation>告警：电压传感器故障；</translation>
    </message>
    <message>
        <source>Alarm:T-Sensor Failed;</source>
        <translation>告警：温度传感器故障；</translation>
    </message>
    <message>
        <source>Warning:High Temperature Discharging(Cells);</source>
        <translation>警告：放电高温（电芯）；</translation>
    </message>
    <message>
        <source>Warning:Low Temperature Discharging(Cells);</source>
        <translation>警告：放电低温（电芯）；</translation>
    </message>
    <message>
        <source>Warning:High Temperature Charging(Cells);</source>
        <translation>警告：充电高温（电芯）；</translation>
    </message>
    <message>
        <source>Warning:Low Temperature Charging(Cells);</source>
        <translation>警告：充电低温（电芯）；</translation>
    </message>
    <message>
        <source>Warning:Discharging Over Current;</source>
        <translation>警告：放电过流；</translation>
    </message>
    <message>
        <source>Warning:Charging Over Current;</source>
        <translation>警告：充电过流；</translation>
    </message>
    <message>
        <source>Alarm:Main circuit Failed;</source>
        <translation>告警：主回路故障；</translation>
    </message>
    <message>
        <source>Alarm:Short Circuit;</source>
        <translation>告警：短路；</translation>
    </message>
    <message>
        <source>Warning:Cells ImBalance;</source>
        <translation>警告：电芯不均衡；</translation>
    </message>
    <message>
        <source>Alarm:Current Sensor Failed;</source>
        <translation>告警：电流传感器故障；</translation>
    </message>
    <message>
        <source>Current warning;</source>
        <translation>电流告警；</translation>
    </message>
    <message>
        <source>Output voltage warning;</source>
        <translation>输出电压告警；</translation>
    </message>
    <message>
        <source>Sensor failed;</source>
        <translation>传感器故障；</translation>
    </message>
    <message>
        <source>PT is incorrect;</source>
        <translation>参数表不正确；</translation>
    </message>
    <message>
        <source>Temperature warning;</source>
        <translation>温度告警；</translation>
    </message>
    <message>
        <source>Battery type incorrect;</source>
        <translation>电池类型不正确；</translation>
    </message>
    <message>
        <source>Cell voltage warning;</source>
        <translation>单体电压告警；</translation>
    </message>
    <message>
        <source>Configuration load failed;</source>
        <translation>配置加载失败；</translation>
    </message>
    <message>
        <source>Air switch abnormal;</source>
        <translation>空气开关异常；</translation>
    </message>
    <message>
        <source>Low SOC;</source>
        <translation>SOC 过低；</translation>
    </message>
    <message>
        <source>BMS updating;</source>
        <translation>BMS 升级中；</translation>
    </message>
    <message>
        <source>BMU updating;</source>
        <translation>BMU 升级中；</translation>
    </message>
    <message>
        <source>Inverter communication failed;</source>
        <translation>逆变器通信失败；</translation>
    </message>
    <message>
        <source>BMS communication failed;</source>
        <translation>BMS 通信失败；</translation>
    </message>
    <message>
        <source>BMS update failed;</source>
        <translation>BMS 升级失败；</translation>
    </message>
    <message>
        <source>BMU update failed;</source>
        <translation>BMU 升级失败；</translation>
    </message>
    <message>
        <source>Precharge failed;</source>
        <translation>预充失败；</translation>
    </message>
    <message>
        <source>PT load failed;</source>
        <translation>参数表加载失败；</translation>
    </message>
    <message>
        <source>Address registration failed;</source>
        <translation>地址注册失败；</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
</context>
<context>
    <name>CellChart</name>
    <message>
        <source>Cell voltages</source>
        <translation>电芯电压</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>毫伏</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Cell voltages of BMS %1</source>
        <translation>BMS %1 的电芯电压</translation>
    </message>
    <message>
        <source>Temperatures of BMS %1</source>
        <translation>BMS %1 的温度</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Module</source>
        <translation>模块</translation>
    </message>
    <message>
        <source>BMS</source>
        <translation>BMS编号</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>SOC (%)</source>
        <translation>SOC 荷电状态 (%)</translation>
    </message>
    <message>
        <source>Battery total voltage (V)</source>
        <translation>电池总电压 (V)</translation>
    </message>
    <message>
        <source>Pack voltage (V)</source>
        <translation>电池包电压 (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>电流 (A)</translation>
    </message>
    <message>
        <source>Switch state</source>
        <translation>开关状态</translation>
    </message>
    <message>
        <source>Highest cell voltage (mV)</source>
        <translation>最高电芯电压 (mV)</translation>
    </message>
    <message>
        <source>  at cell</source>
        <translation>  所在电芯</translation>
    </message>
    <message>
        <source>Lowest cell voltage (mV)</source>
        <translation>最低电芯电压 (mV)</translation>
    </message>
    <message>
        <source>Highest cell temperature (°C)</source>
        <translation>最高电芯温度 (°C)</translation>
    </message>
    <message>
        <source>  at sensor</source>
        <translation>  所在传感器</translation>
    </message>
    <message>
        <source>Lowest cell temperature (°C)</source>
        <translation>最低电芯温度 (°C)</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Section A</source>
        <translation>A分区</translation>
    </message>
    <message>
        <source>Section B</source>
        <translation>B分区</translation>
    </message>
    <message>
        <source>Running section</source>
        <translation>运行分区</translation>
    </message>
    <message>
        <source>Threshold table A</source>
        <translation>阈值表A</translation>
    </message>
    <message>
        <source>Threshold table B</source>
        <translation>阈值表B</translation>
    </message>
    <message>
        <source>Warning level %1</source>
        <translation>告警等级 %1</translation>
    </message>
    <message>
        <source>Fault code %1</source>
        <translation>故障码 %1</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>告警</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>The information of BMS N with every cell voltage and temperature.</source>
        <translation>第 N 个 BMS 的信息，含每节电芯的电压和温度。</translation>
    </message>
    <message>
        <source>bms needs the number of one BMS, 1 or more.</source>
        <translation>bms 需要一个 BMS 的编号，从 1 起。</translation>
    </message>
    <message>
        <source>The system lists %1 BMS: choose one from 1 to %1.</source>
        <translation>系统列出 %1 个 BMS：请在 1 到 %1 中选择一个。</translation>
    </message>
    <message>
        <source>Address of the BMU (default from Config.ini, group Link, else 192.168.4.1:8080).</source>
        <translation>BMU 的地址（默认取自 Config.ini 的 Link 组，否则为 192.168.4.1:8080）。</translation>
    </message>
    <message>
        <source>Work with a simulated BMU started inside the program.</source>
        <translation>使用程序内启动的模拟 BMU。</translation>
    </message>
    <message>
        <source>The simulated system of --demo: hv, lv or qpa5.</source>
        <translation>--demo 模拟的系统：hv、lv 或 qpa5。</translation>
    </message>
    <message>
        <source>Output as an aligned table, JSON or CSV.</source>
        <translation>以对齐的表格、JSON 或 CSV 输出。</translation>
    </message>
    <message>
        <source>Write the result into FILE instead, by its extension: .xlsx, .csv, .json, else tab-separated text.</source>
        <translation>将结果写入 FILE，格式按扩展名：.xlsx、.csv、.json，其他为制表符分隔的文本。</translation>
    </message>
    <message>
        <source>Silence after which a request counts as unanswered; the connection attempt and a stalled history read scale with it (5000 at 3000).</source>
        <translation>请求在多长静默后视为无应答；连接尝试和停滞的历史读取随之缩放（3000 时为 5000）。</translation>
    </message>
    <message>
        <source>Further attempts of a connection or of a read (refresh, BMS information) that failed.</source>
        <translation>连接或读取（刷新、BMS 信息）失败后的重试次数。</translation>
    </message>
    <message>
        <source>Fast reads: history blocks and BMS pages paced by the replies instead of the system&apos;s steps.</source>
        <translation>快速读取：历史数据块和 BMS 页面按应答节奏读取，而不按系统的步进。</translation>
    </message>
    <message>
        <source>Print every frame sent and received, in hex with a time stamp, on the error stream.</source>
        <translation>在错误输出上以十六进制并带时间戳打印每个收发的帧。</translation>
    </message>
    <message>
        <source>Describe the program, or the command given.</source>
        <translation>说明本程序或所给的命令。</translation>
    </message>
    <message>
        <source>Print the program&apos;s version.</source>
        <translation>打印程序版本。</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 the BMU or the server refused or the operation failed, 2 usage error, 3 BMU or server unreachable, 4 file unreadable or refused, 130 stopped with Ctrl+C.
</source>
        <translation>退出码：0 完成，1 BMU 或服务器拒绝或操作失败，2 用法错误，3 无法连接 BMU 或服务器，4 文件无法读取或被拒绝，130 被 Ctrl+C 中止。
</translation>
    </message>
    <message>
        <source>Try &apos;%1 %2--help&apos;.</source>
        <translation>请尝试 &apos;%1 %2--help&apos;。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] COMMAND [arguments]
The battery system&apos;s service tool without a window: every operation of the window, scriptable.

Commands:
</source>
        <translation>用法：%1 [选项] COMMAND [参数]
无窗口的电池系统服务工具：窗口中的每个操作均可脚本化。

命令：
</translation>
    </message>
    <message>
        <source>Usage: %1 [options] %2</source>
        <translation>用法：%1 [选项] %2</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 必须是 %2 到 %3 之间的整数，而不是 &quot;%4&quot;。</translation>
    </message>
    <message>
        <source>--bmu and --demo exclude each other.</source>
        <translation>--bmu 与 --demo 不能同时使用。</translation>
    </message>
    <message>
        <source>--bmu must be HOST or HOST:PORT.</source>
        <translation>--bmu 必须为 HOST 或 HOST:PORT。</translation>
    </message>
    <message>
        <source>--system must be hv, lv or qpa5.</source>
        <translation>--system 必须为 hv、lv 或 qpa5。</translation>
    </message>
    <message>
        <source>--format must be table, json or csv.</source>
        <translation>--format 必须为 table、json 或 csv。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>未给出命令。</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>未知命令 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>The update server (default from Config.ini, group Update).</source>
        <translation>升级服务器（默认取自 Config.ini 的 Update 组）。</translation>
    </message>
    <message>
        <source>Fetch log.txt and the missing firmware and table files into Data.</source>
        <translation>将 log.txt 及缺少的固件和参数表文件下载到 Data 文件夹。</translation>
    </message>
    <message>
        <source>--server must be ftp://HOST or ftp://HOST:PORT.</source>
        <translation>--server 必须为 ftp://HOST 或 ftp://HOST:PORT。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>数据文件夹</translation>
    </message>
    <message>
        <source>Files downloaded</source>
        <translation>已下载的文件</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>How many records to read, newest first (the BMU hands out whole blocks of 20).</source>
        <translation>要读取的记录数，最新的在前（BMU 按每块 20 条整块提供）。</translation>
    </message>
    <message>
        <source>--records must be a whole number above 0, not &quot;%1&quot;.</source>
        <translation>--records 必须是大于 0 的整数，而不是 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>The system lists %1 BMS: bms1 to bms%1.</source>
        <translation>系统列出 %1 个 BMS：bms1 到 bms%1。</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>块</translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Log Data</source>
        <translation>日志数据</translation>
    </message>
    <message>
        <source>Fault Level</source>
        <translation>故障等级</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Unknown unit &quot;%1&quot;: %2bms1 to bms%3.</source>
        <translation>未知单元 &quot;%1&quot;：可选 %2bms1 到 bms%3。</translation>
    </message>
    <message>
        <source>bmu, or </source>
        <translation>bmu，或 </translation>
    </message>
    <message>
        <source>Read a unit&apos;s log: the History table with the translation&apos;s detail columns.</source>
        <translation>读取某单元的日志：历史表及解析的详情列。</translation>
    </message>
    <message>
        <source>bmu, or bmsN for tower N.</source>
        <translation>bmu，或 bmsN 表示第 N 个电池塔。</translation>
    </message>
    <message>
        <source>Read a tower&apos;s log and list its warnings, alarms and faults.</source>
        <translation>读取电池塔的日志并列出其告警、报警和故障。</translation>
    </message>
    <message>
        <source>bmsN: the log of tower N.</source>
        <translation>bmsN：第 N 个电池塔的日志。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>The inverter, by its name.</source>
        <translation>逆变器，按名称。</translation>
    </message>
    <message>
        <source>Modules in series (per tower, high voltage) or in parallel (low voltage), 0 to 255.</source>
        <translation>串联模块数（每塔，高压）或并联模块数（低压），0 到 255。</translation>
    </message>
    <message>
        <source>The battery type, by its name.</source>
        <translation>电池类型，按名称。</translation>
    </message>
    <message>
        <source>off, on or backup.</source>
        <translation>off（离网）、on（并网）或 backup（备电）。</translation>
    </message>
    <message>
        <source>single or three.</source>
        <translation>single（单相）或 three（三相）。</translation>
    </message>
    <message>
        <source>Show the setup, or write the settings given (the others stay) and show what the BMU then holds.</source>
        <translation>显示设置，或写入给定的设置（其余不变）并显示 BMU 随后保存的内容。</translation>
    </message>
    <message>
        <source>setup takes no arguments, only options.</source>
        <translation>setup 不接受参数，只接受选项。</translation>
    </message>
    <message>
        <source>Unknown inverter &quot;%1&quot;; one of: %2. Nothing was written.</source>
        <translation>未知逆变器 &quot;%1&quot;；可选：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>--grid must be off, on or backup.</source>
        <translation>--grid 必须为 off、on 或 backup。</translation>
    </message>
    <message>
        <source>--phase must be single or three.</source>
        <translation>--phase 必须为 single 或 three。</translation>
    </message>
    <message>
        <source>The BMU did not report its setup.</source>
        <translation>BMU 未报告其设置。</translation>
    </message>
    <message>
        <source>The BMU did not report its setup. Nothing was written.</source>
        <translation>BMU 未报告其设置。未写入任何内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an inverter of this system; one of: %2. Nothing was written.</source>
        <translation>&quot;%1&quot; 不是本系统的逆变器；可选：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>Unknown battery type &quot;%1&quot;; one of: %2. Nothing was written.</source>
        <translation>未知电池类型 &quot;%1&quot;；可选：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>Setup: inverter</source>
        <translation>设置：逆变器</translation>
    </message>
    <message>
        <source>Setup: modules in serial</source>
        <translation>设置：串联模块数</translation>
    </message>
    <message>
        <source>Setup: modules in parallel</source>
        <translation>设置：并联模块数</translation>
    </message>
    <message>
        <source>Setup: battery type</source>
        <translation>设置：电池类型</translation>
    </message>
    <message>
        <source>Setup: grid</source>
        <translation>设置：电网</translation>
    </message>
    <message>
        <source>Setup: phase</source>
        <translation>设置：相数</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>电池类型</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <source>BMU firmware</source>
        <translation>BMU 固件</translation>
    </message>
    <message>
        <source>BMS firmware</source>
        <translation>BMS 固件</translation>
    </message>
    <message>
        <source>Parameter table</source>
        <translation>参数表</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>电网</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>相数</translation>
    </message>
    <message>
        <source>Modules per tower</source>
        <translation>每塔模块数</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Battery voltage (V)</source>
        <translation>电池电压 (V)</translation>
    </message>
    <message>
        <source>Output voltage (V)</source>
        <translation>输出电压 (V)</translation>
    </message>
    <message>
        <source>Power (W)</source>
        <translation>功率 (W)</translation>
    </message>
    <message>
        <source>Highest cell voltage (V)</source>
        <translation>最高电芯电压 (V)</translation>
    </message>
    <message>
        <source>Lowest cell voltage (V)</source>
        <translation>最低电芯电压 (V)</translation>
    </message>
    <message>
        <source>BMU temperature (°C)</source>
        <translation>BMU 温度 (°C)</translation>
    </message>
    <message>
        <source>System status</source>
        <translation>系统状态</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Refresh and print the Overview: versions, measurements, warnings and setup.</source>
        <translation>刷新并打印概览：版本、测量值、告警和设置。</translation>
    </message>
    <message>
        <source>Stopped with Ctrl+C.</source>
        <translation>已被 Ctrl+C 中止。</translation>
    </message>
    <message>
        <source>The simulated BMU cannot listen: %1</source>
        <translation>模拟 BMU 无法监听：%1</translation>
    </message>
    <message>
        <source>The BMU&apos;s status could not be read completely.</source>
        <translation>无法完整读取 BMU 的状态。</translation>
    </message>
    <message>
        <source>Cannot reach the BMU at %1:%2.</source>
        <translation>无法连接位于 %1:%2 的 BMU。</translation>
    </message>
    <message>
        <source>The link to the BMU at %1:%2 is down.</source>
        <translation>与位于 %1:%2 的 BMU 的连接已断开。</translation>
    </message>
    <message>
        <source>%1 needs one FILE.</source>
        <translation>%1 需要一个 FILE。</translation>
    </message>
    <message>
        <source>The CRC of a firmware file in the form its name carries.</source>
        <translation>固件文件的 CRC，格式与其文件名中的相同。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Size (bytes)</source>
        <translation>大小 (字节)</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC 校验值</translation>
    </message>
    <message>
        <source>CRC in the name</source>
        <translation>文件名中的 CRC</translation>
    </message>
    <message>
        <source>CRC matches the name</source>
        <translation>CRC 与文件名相符</translation>
    </message>
    <message>
        <source>Pack a parameter-table sheet into a table file in Data.</source>
        <translation>将参数表工作表打包为 Data 中的参数表文件。</translation>
    </message>
    <message>
        <source>The battery type: %1.</source>
        <translation>电池类型：%1。</translation>
    </message>
    <message>
        <source>package needs --type, one of: %1.</source>
        <translation>package 需要 --type，可选：%1。</translation>
    </message>
    <message>
        <source>Table file</source>
        <translation>参数表文件</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Packets</source>
        <translation>数据包</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>包</translation>
    </message>
    <message>
        <source>Send a firmware image to the BMU or the BMS modules (default: the one the window would choose from Data).</source>
        <translation>向 BMU 或 BMS 模块发送固件映像（默认：窗口会从 Data 中选择的那个）。</translation>
    </message>
    <message>
        <source>Send even an image the installer&apos;s check refuses (the same version, an older sub version, another family).</source>
        <translation>即使安装检查拒绝（相同版本、较旧的子版本、其他系列）也发送映像。</translation>
    </message>
    <message>
        <source>flash needs the unit first: bmu or bms.</source>
        <translation>flash 首先需要单元：bmu 或 bms。</translation>
    </message>
    <message>
        <source>flash takes one FILE at most.</source>
        <translation>flash 最多接受一个 FILE。</translation>
    </message>
    <message>
        <source>%1 firmware</source>
        <translation>%1 固件</translation>
    </message>
    <message>
        <source>Send a parameter table to the BMU (default: the newest for the battery type in Data).</source>
        <translation>向 BMU 发送参数表（默认：Data 中该电池类型最新的参数表）。</translation>
    </message>
    <message>
        <source>table takes one FILE at most.</source>
        <translation>table 最多接受一个 FILE。</translation>
    </message>
    <message>
        <source>parameter table</source>
        <translation>参数表</translation>
    </message>
    <message>
        <source>the system reports no running version: check the link between the BMU and the BMS.</source>
        <translation>系统未报告运行版本：请检查 BMU 与 BMS 之间的连接。</translation>
    </message>
    <message>
        <source>the image is not for a high-voltage system.</source>
        <translation>该映像不适用于高压系统。</translation>
    </message>
    <message>
        <source>the image is not for a low-voltage system.</source>
        <translation>该映像不适用于低压系统。</translation>
    </message>
    <message>
        <source>the unit runs this version already.</source>
        <translation>该单元已在运行此版本。</translation>
    </message>
    <message>
        <source>the image is older than the running firmware: download the latest.</source>
        <translation>该映像比运行中的固件旧：请下载最新版本。</translation>
    </message>
    <message>
        <source>%1 holds no %2 firmware image for this system: download first.</source>
        <translation>%1 中没有适用于本系统的 %2 固件映像：请先下载。</translation>
    </message>
    <message>
        <source>%1 is not named as a firmware image (TYPE-FAMILY-MAIN.SUB-SECTION-CRC.bin).</source>
        <translation>%1 的名称不符合固件映像格式（TYPE-FAMILY-MAIN.SUB-SECTION-CRC.bin）。</translation>
    </message>
    <message>
        <source>%1 is not a %2 image for this system (%2-%3-...).</source>
        <translation>%1 不是适用于本系统的 %2 映像（%2-%3-...）。</translation>
    </message>
    <message>
        <source>%1 is for section %2, which the %3 runs now.</source>
        <translation>%1 用于 %2 分区，而 %3 当前正在运行该分区。</translation>
    </message>
    <message>
        <source>%1 cannot be sent: its version is above 255 or the image needs more than 65535 packets.</source>
        <translation>无法发送 %1：其版本大于 255，或映像需要超过 65535 个数据包。</translation>
    </message>
    <message>
        <source>%1 is incomplete (its CRC does not match its name): delete it and download it again.</source>
        <translation>%1 不完整（CRC 与文件名不符）：请删除后重新下载。</translation>
    </message>
    <message>
        <source>Not sent: %1 (--force sends it all the same.)</source>
        <translation>未发送：%1（--force 仍会发送。）</translation>
    </message>
    <message>
        <source>%1 holds no %2 parameter table newer than the running %3.</source>
        <translation>%1 中没有比运行中的 %3 更新的 %2 参数表。</translation>
    </message>
    <message>
        <source>%1 is not named as a %2 parameter table (%2-TAB-CODE-MAIN.SUB.bin).</source>
        <translation>%1 的名称不符合 %2 参数表格式（%2-TAB-CODE-MAIN.SUB.bin）。</translation>
    </message>
    <message>
        <source>%1 is damaged (its CRC does not match): download it again.</source>
        <translation>%1 已损坏（CRC 不符）：请重新下载。</translation>
    </message>
    <message>
        <source>The battery type &quot;%1&quot; takes no parameter table.</source>
        <translation>电池类型 &quot;%1&quot; 不使用参数表。</translation>
    </message>
    <message>
        <source>%1 holds %2 table bytes instead of %3.</source>
        <translation>%1 含 %2 字节参数表数据，而应为 %3 字节。</translation>
    </message>
    <message>
        <source>Decode a saved log (.xlsx, .xls or text) of the BMU or of a BMS.</source>
        <translation>解析 BMU 或 BMS 已保存的日志（.xlsx、.xls 或文本）。</translation>
    </message>
    <message>
        <source>Whose log the file holds: bmu or bms.</source>
        <translation>文件所含日志的单元：bmu 或 bms。</translation>
    </message>
    <message>
        <source>The battery family: hv or lv.</source>
        <translation>电池系列：hv 或 lv。</translation>
    </message>
    <message>
        <source>translate needs one FILE.</source>
        <translation>translate 需要一个 FILE。</translation>
    </message>
    <message>
        <source>translate needs --unit bmu or --unit bms.</source>
        <translation>translate 需要 --unit bmu 或 --unit bms。</translation>
    </message>
    <message>
        <source>--family must be hv or lv.</source>
        <translation>--family 必须为 hv 或 lv。</translation>
    </message>
    <message>
        <source>%1 holds no saved log: under a header row, every row needs date and time, code, description and log data.</source>
        <translation>%1 中没有已保存的日志：表头行下的每一行都需要日期时间、代码、描述和日志数据。</translation>
    </message>
    <message>
        <source>&apos;%1 COMMAND --help&apos; describes a command.
</source>
        <translation>&apos;%1 COMMAND --help&apos; 说明某个命令。
</translation>
    </message>
    <message>
        <source>Towers (BMS)</source>
        <translation>电池塔数 (BMS)</translation>
    </message>
    <message>
        <source>Modules in parallel (BMS)</source>
        <translation>并联模块数 (BMS)</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>Downloading Firmware: </source>
        <translation>正在下载固件：</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Error: Cannot create folder %1</source>
        <translation>错误：无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <source>Skipped %1: %2.</source>
        <translation>已跳过 %1：%2。</translation>
    </message>
    <message>
        <source>%1 of %2. Please wait...</source>
        <translation>第 %1 个，共 %2 个。请稍候……</translation>
    </message>
    <message>
        <source>Obtaining file information. Please wait...</source>
        <translation>正在获取文件信息，请稍候……</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>文件大于 %1 字节</translation>
    </message>
    <message>
        <source>Download file occur error: </source>
        <translation>下载文件出错：</translation>
    </message>
    <message>
        <source>the server does not have it</source>
        <translation>服务器上没有该文件</translation>
    </message>
    <message>
        <source>Download failure, the update server refused the user name or password. </source>
        <translation>下载失败，升级服务器拒绝了用户名或密码。</translation>
    </message>
    <message>
        <source>Trying to re-Download No.%1 time</source>
        <translation>正在第 %1 次重新下载</translation>
    </message>
    <message>
        <source>Download failure, please check the internet connection. </source>
        <translation>下载失败，请检查网络连接。</translation>
    </message>
    <message>
        <source>The file list log.txt was not taken: %1.</source>
        <translation>未采用文件列表 log.txt：%1。</translation>
    </message>
    <message>
        <source>Error: Cannot write file %1: %2.</source>
        <translation>错误：无法写入文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 下载不完整：%2 / %3 字节。</translation>
    </message>
    <message>
        <source>Nothing be downloaded.</source>
        <translation>没有下载任何文件。</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it names more than %1 files</source>
        <translation>列出的文件超过 %1 个</translation>
    </message>
    <message>
        <source>Obtain file information success.</source>
        <translation>获取文件信息成功。</translation>
    </message>
    <message>
        <source>The local Firmware have been latest.</source>
        <translation>本地固件已是最新版本。</translation>
    </message>
    <message>
        <source>Please connect the WiFi of battery system and refresh the system info. Then choose &apos;BMU&apos; or &apos;BMS&apos; to update the Firmware. </source>
        <translation>请连接电池系统的 WiFi 并刷新系统信息，然后选择 &apos;BMU&apos; 或 &apos;BMS&apos; 升级固件。</translation>
    </message>
    <message>
        <source>Download firmware file success. Please connect the WiFi of battery system then click &apos;Update&apos; to start updating Firmware!</source>
        <translation>固件文件下载成功。请连接电池系统的 WiFi，然后点击“升级”开始升级固件！</translation>
    </message>
    <message>
        <source>%1 of %2 files downloaded; the others are named above.</source>
        <translation>已下载 %1 / %2 个文件；其余文件见上方说明。</translation>
    </message>
    <message>
        <source>its name holds a control character</source>
        <translation>文件名含有控制字符</translation>
    </message>
    <message>
        <source>its name ends in &quot;/&quot;</source>
        <translation>文件名以“/”结尾</translation>
    </message>
    <message>
        <source>its name is not a file name</source>
        <translation>名称不是有效的文件名</translation>
    </message>
    <message>
        <source>its name is longer than %1 bytes</source>
        <translation>文件名超过 %1 字节</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a firmware image (%2 bytes).</source>
        <translation>文件 %1 过大，不是固件镜像（%2 字节）。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>文件 %1 为空。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The table is too large to read.</source>
        <translation>表格过大，无法读取。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Unknown battery type &quot;%1&quot;.</source>
        <translation>未知的电池类型“%1”。</translation>
    </message>
    <message>
        <source>The sheet is empty.</source>
        <translation>工作表为空。</translation>
    </message>
    <message>
        <source>The sheet holds %1 rows; a parameter table needs %2 table rows and a closing row (%3 table bytes).</source>
        <translation>工作表有 %1 行；参数表需要 %2 行表格数据和一行结束行（%3 个表格字节）。</translation>
    </message>
    <message>
        <source>Cell %1 must hold up to four hex digits, not &quot;%2&quot;.</source>
        <translation>单元格 %1 应为最多四位十六进制数字，而不是“%2”。</translation>
    </message>
    <message>
        <source>Cell %1 holds %2, outside -32768..65535.</source>
        <translation>单元格 %1 的值为 %2，超出 -32768..65535 的范围。</translation>
    </message>
    <message>
        <source>The table version in cells %1 and %2 must be two numbers from 0 to 255.</source>
        <translation>单元格 %1 和 %2 中的表版本必须是两个 0 到 255 之间的数字。</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>There is new version for BMU Firmware,please update it. </source>
        <translation>BMU 固件有新版本，请升级。</translation>
    </message>
    <message>
        <source>Please download the new BMU Firmware from server,then update it! </source>
        <translation>请从服务器下载新的 BMU 固件，然后升级！</translation>
    </message>
    <message>
        <source>Please download the new BMU Firmware,then update it! </source>
        <translation>请下载新的 BMU 固件，然后升级！</translation>
    </message>
    <message>
        <source>There is new version of BMS Firmware,please update it. </source>
        <translation>BMS 固件有新版本，请升级。</translation>
    </message>
    <message>
        <source>Please download the new BMS Firmware from server,then update it! </source>
        <translation>请从服务器下载新的 BMS 固件，然后升级！</translation>
    </message>
    <message>
        <source>Please download the new BMS Firmware,then update it! </source>
        <translation>请下载新的 BMS 固件，然后升级！</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Interlock switch Abnormal;</source>
        <translation>互锁开关异常;</translation>
    </message>
    <message>
        <source>| Charge Mos_Switch is on; |</source>
        <translation>| 充电MOS开关已闭合; |</translation>
    </message>
    <message>
        <source>| Charge Mos_Switch is off; |</source>
        <translation>| 充电MOS开关已断开; |</translation>
    </message>
    <message>
        <source>| DisCharge Mos_Switch is on; |</source>
        <translation>| 放电MOS开关已闭合; |</translation>
    </message>
    <message>
        <source>| DisCharge Mos_Switch is off; |</source>
        <translation>| 放电MOS开关已断开; |</translation>
    </message>
    <message>
        <source>| PreCharge Mos_Switch is on; |</source>
        <translation>| 预充MOS开关已闭合; |</translation>
    </message>
    <message>
        <source>| PreCharge Mos_Switch is off; |</source>
        <translation>| 预充MOS开关已断开; |</translation>
    </message>
    <message>
        <source>| Relay is on; |</source>
        <translation>| 继电器已闭合; |</translation>
    </message>
    <message>
        <source>| Relay is off; |</source>
        <translation>| 继电器已断开; |</translation>
    </message>
    <message>
        <source>| Air Switch is on; |</source>
        <translation>| 空气开关已闭合; |</translation>
    </message>
    <message>
        <source>| Air Switch is off; |</source>
        <translation>| 空气开关已断开; |</translation>
    </message>
    <message>
        <source>| PreCharge_2 Mos_Switch is on; |</source>
        <translation>| 预充2 MOS开关已闭合; |</translation>
    </message>
    <message>
        <source>| PreCharge_2 Mos_Switch is off; |</source>
        <translation>| 预充2 MOS开关已断开; |</translation>
    </message>
    <message>
        <source>Battery Idling</source>
        <translation>电池静置</translation>
    </message>
    <message>
        <source>Battery Charging</source>
        <translation>电池充电中</translation>
    </message>
    <message>
        <source>Battery DisCharging</source>
        <translation>电池放电中</translation>
    </message>
    <message>
        <source>BMU requires to Power off</source>
        <translation>BMU要求关机</translation>
    </message>
    <message>
        <source>Press BMS LED to Power off</source>
        <translation>按BMS LED按键关机</translation>
    </message>
    <message>
        <source>Power off due to communication failed with BMU</source>
        <translation>与BMU通信失败而关机</translation>
    </message>
    <message>
        <source>BMS off due to battery UnderVoltage</source>
        <translation>电池欠压导致BMS关机</translation>
    </message>
    <message>
        <source>Press BMS LED button to Switch off</source>
        <translation>按BMS LED按键关机</translation>
    </message>
    <message>
        <source>BMU requires to switch off</source>
        <translation>BMU要求关机</translation>
    </message>
    <message>
        <source>BMU Power off And communication between BMU and BMS failed</source>
        <translation>BMU关机且BMU与BMS通信失败</translation>
    </message>
    <message>
        <source>Power off while communication failed(after 30 minutes)</source>
        <translation>通信失败后关机(30分钟后)</translation>
    </message>
    <message>
        <source>Cells Over Voltage;</source>
        <translation>电芯过压;</translation>
    </message>
    <message>
        <source>Cells Under Voltage;</source>
        <translation>电芯欠压;</translation>
    </message>
    <message>
        <source>Cells Over Temperature;</source>
        <translation>电芯过温;</translation>
    </message>
    <message>
        <source>Cells Under Temperature;</source>
        <translation>电芯欠温;</translation>
    </message>
    <message>
        <source>Voltage Sampling cable off;</source>
        <translation>电压采样线脱落;</translation>
    </message>
    <message>
        <source>Temperature Sampling cable off;</source>
        <translation>温度采样线脱落;</translation>
    </message>
    <message>
        <source>Pack Voltage too High;</source>
        <translation>电池包电压过高;</translation>
    </message>
    <message>
        <source>Over Current;</source>
        <translation>过流;</translation>
    </message>
    <message>
        <source>BMS Heartbeat Abnormal;</source>
        <translation>BMS心跳异常;</translation>
    </message>
    <message>
        <source>Main Circuit Fault;</source>
        <translation>主回路故障;</translation>
    </message>
    <message>
        <source>No responding for cells Sampling from BMS;</source>
        <translation>BMS未响应电芯采样;</translation>
    </message>
    <message>
        <source>The PACK voltage differs too much from the accumulator voltage of cells;</source>
        <translation>电池包电压与电芯累加电压相差过大;</translation>
    </message>
    <message>
        <source>0# register Overtime;</source>
        <translation>0#注册超时;</translation>
    </message>
    <message>
        <source>BMU heartbeat Abnormal;</source>
        <translation>BMU心跳异常;</translation>
    </message>
    <message>
        <source>BMU Cells Sampling occupancy anomaly;</source>
        <translation>BMU电芯采样占用异常;</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Runing Section:A</source>
        <translation>运行分区:A</translation>
    </message>
    <message>
        <source>Runing Section:B</source>
        <translation>运行分区:B</translation>
    </message>
    <message>
        <source>FW version:%1</source>
        <translation>固件版本:%1</translation>
    </message>
    <message>
        <source>Not defined</source>
        <translation>未定义</translation>
    </message>
    <message>
        <source>BMU serial port V%1</source>
        <translation>BMU串口 V%1</translation>
    </message>
    <message>
        <source>BMS serial port V%1</source>
        <translation>BMS串口 V%1</translation>
    </message>
    <message>
        <source>BMU functional safety normal</source>
        <translation>BMU功能安全正常</translation>
    </message>
    <message>
        <source>BMU functional safety fault code:</source>
        <translation>BMU功能安全故障码:</translation>
    </message>
    <message>
        <source>BMS functional safety fault code:</source>
        <translation>BMS功能安全故障码:</translation>
    </message>
    <message>
        <source>Cell NO.%1</source>
        <translation>电芯编号%1</translation>
    </message>
    <message>
        <source>%1# Module Faulted</source>
        <translation>%1#模块故障</translation>
    </message>
    <message>
        <source>%1# Module BIC fault</source>
        <translation>%1#模块BIC故障</translation>
    </message>
    <message>
        <source>TempH:%1℃</source>
        <translation>高温:%1℃</translation>
    </message>
    <message>
        <source>TempL:%1℃</source>
        <translation>低温:%1℃</translation>
    </message>
    <message>
        <source>Charge I%1:%2A</source>
        <translation>充电电流I%1:%2A</translation>
    </message>
    <message>
        <source>DisCharge I1:%1A</source>
        <translation>放电电流I1:%1A</translation>
    </message>
    <message>
        <source>Target Area:A</source>
        <translation>目标分区:A</translation>
    </message>
    <message>
        <source>Target Area:B</source>
        <translation>目标分区:B</translation>
    </message>
    <message>
        <source>Current Version: %1</source>
        <translation>当前版本: %1</translation>
    </message>
    <message>
        <source>Target SOC:</source>
        <translation>目标SOC:</translation>
    </message>
    <message>
        <source>Before Update: %1</source>
        <translation>升级前: %1</translation>
    </message>
    <message>
        <source>After Update: %1</source>
        <translation>升级后: %1</translation>
    </message>
    <message>
        <source>Old Version: %1</source>
        <translation>旧版本: %1</translation>
    </message>
    <message>
        <source>New Version: %1</source>
        <translation>新版本: %1</translation>
    </message>
    <message>
        <source>Threshold table version:%1</source>
        <translation>阈值表版本:%1</translation>
    </message>
    <message>
        <source>serial number was changed.</source>
        <translation>序列号已更改。</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>不适用</translation>
    </message>
    <message>
        <source>Battery Over Voltage;</source>
        <translation>电池过压;</translation>
    </message>
    <message>
        <source>Battery Under Voltage;</source>
        <translation>电池欠压;</translation>
    </message>
    <message>
        <source>Cells OverVoltage;</source>
        <translation>电芯过压;</translation>
    </message>
    <message>
        <source>Cells UnderVoltage;</source>
        <translation>电芯欠压;</translation>
    </message>
    <message>
        <source>Cells Imbalance;</source>
        <translation>电芯不均衡;</translation>
    </message>
    <message>
        <source>Charging High Temperature(Cells);</source>
        <translation>充电高温(电芯);</translation>
    </message>
    <message>
        <source>Charging Low Temperature(Cells);</source>
        <translation>充电低温(电芯);</translation>
    </message>
    <message>
        <source>DisCharging High Temperature(Cells);</source>
        <translation>放电高温(电芯);</translation>
    </message>
    <message>
        <source>DisCharging Low Temperature(Cells);</source>
        <translation>放电低温(电芯);</translation>
    </message>
    <message>
        <source>Charging OverCurrent(Cells);</source>
        <translation>充电过流(电芯);</translation>
    </message>
    <message>
        <source>DisCharging OverCurrent(Cells);</source>
        <translation>放电过流(电芯);</translation>
    </message>
    <message>
        <source>Charging OverCurrent(Hardware);</source>
        <translation>充电过流(硬件);</translation>
    </message>
    <message>
        <source>Short Circuit;</source>
        <translation>短路;</translation>
    </message>
    <message>
        <source>Inversly Connection;</source>
        <translation>反接;</translation>
    </message>
    <message>
        <source>Tamper Abnormal;</source>
        <translation>防拆异常;</translation>
    </message>
    <message>
        <source>AirSwitch Abnormal;</source>
        <translation>空气开关异常;</translation>
    </message>
    <message>
        <source>Cells Voltage Sensor Failure;</source>
        <translation>电芯电压传感器故障;</translation>
    </message>
    <message>
        <source>Temperature Sensor Failure;</source>
        <translation>温度传感器故障;</translation>
    </message>
    <message>
        <source>BIC Communication Failure;</source>
        <translation>BIC通信故障;</translation>
    </message>
    <message>
        <source>Pack Voltage Sensor Failure;</source>
        <translation>电池包电压传感器故障;</translation>
    </message>
    <message>
        <source>Current Sensor Failure;</source>
        <translation>电流传感器故障;</translation>
    </message>
    <message>
        <source>Charging Mos Failure;</source>
        <translation>充电MOS故障;</translation>
    </message>
    <message>
        <source>DisCharging Mos Failure;</source>
        <translation>放电MOS故障;</translation>
    </message>
    <message>
        <source>PreCharging Mos Failure;</source>
        <translation>预充MOS故障;</translation>
    </message>
    <message>
        <source>Main Relay Failure;</source>
        <translation>主继电器故障;</translation>
    </message>
    <message>
        <source>PreCharging Failed;</source>
        <translation>预充失败;</translation>
    </message>
    <message>
        <source>Heating Device Failure;</source>
        <translation>加热装置故障;</translation>
    </message>
    <message>
        <source>Radiator Failure;</source>
        <translation>散热器故障;</translation>
    </message>
    <message>
        <source>BIC Balance Failure;</source>
        <translation>BIC均衡故障;</translation>
    </message>
    <message>
        <source>Cells Failure;</source>
        <translation>电芯故障;</translation>
    </message>
    <message>
        <source>PCB Temperature Sensor Failure;</source>
        <translation>PCB温度传感器故障;</translation>
    </message>
    <message>
        <source>Functional Safety Failure;</source>
        <translation>功能安全故障;</translation>
    </message>
    <message>
        <source>Power ON</source>
        <translation>开机</translation>
    </message>
    <message>
        <source>Power OFF</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Events record</source>
        <translation>事件记录</translation>
    </message>
    <message>
        <source>Timing Record</source>
        <translation>定时记录</translation>
    </message>
    <message>
        <source>Start Charging</source>
        <translation>开始充电</translation>
    </message>
    <message>
        <source>Stop Charging</source>
        <translation>停止充电</translation>
    </message>
    <message>
        <source>Start DisCharging</source>
        <translation>开始放电</translation>
    </message>
    <message>
        <source>Stop DisCharging</source>
        <translation>停止放电</translation>
    </message>
    <message>
        <source>SOC calibration rough</source>
        <translation>SOC粗校准</translation>
    </message>
    <message>
        <source>SOC calibration fine</source>
        <translation>SOC精校准</translation>
    </message>
    <message>
        <source>SOC calibration Stop</source>
        <translation>SOC校准停止</translation>
    </message>
    <message>
        <source>CAN Communication failed</source>
        <translation>CAN通信失败</translation>
    </message>
    <message>
        <source>Serial Communication failed</source>
        <translation>串口通信失败</translation>
    </message>
    <message>
        <source>Receive PreCharge Command</source>
        <translation>收到预充命令</translation>
    </message>
    <message>
        <source>PreCharge Successful</source>
        <translation>预充成功</translation>
    </message>
    <message>
        <source>PreCharge Failure</source>
        <translation>预充失败</translation>
    </message>
    <message>
        <source>Start end SOC calibration</source>
        <translation>开始末端SOC校准</translation>
    </message>
    <message>
        <source>Start Balancing</source>
        <translation>开始均衡</translation>
    </message>
    <message>
        <source>Stop Balancing</source>
        <translation>停止均衡</translation>
    </message>
    <message>
        <source>Address Registered</source>
        <translation>地址已注册</translation>
    </message>
    <message>
        <source>System Functional Safety Fault</source>
        <translation>系统功能安全故障</translation>
    </message>
    <message>
        <source>Events additional info</source>
        <translation>事件附加信息</translation>
    </message>
    <message>
        <source>Start Firmware Update</source>
        <translation>开始固件升级</translation>
    </message>
    <message>
        <source>Firmware Update finish</source>
        <translation>固件升级完成</translation>
    </message>
    <message>
        <source>Firmware Update fails</source>
        <translation>固件升级失败</translation>
    </message>
    <message>
        <source>Firmware Jumpinto other section</source>
        <translation>固件跳转到另一分区</translation>
    </message>
    <message>
        <source>Parameters table Update</source>
        <translation>参数表更新</translation>
    </message>
    <message>
        <source>SN Code was Changed</source>
        <translation>序列号已更改</translation>
    </message>
    <message>
        <source>Current Calibration</source>
        <translation>电流校准</translation>
    </message>
    <message>
        <source>Battery Voltage Calibration</source>
        <translation>电池电压校准</translation>
    </message>
    <message>
        <source>PackVoltage Calibration</source>
        <translation>电池包电压校准</translation>
    </message>
    <message>
        <source>SOC/SOH Calibration</source>
        <translation>SOC/SOH校准</translation>
    </message>
    <message>
        <source>DateTime Calibration</source>
        <translation>日期时间校准</translation>
    </message>
    <message>
        <source>Warning Level2</source>
        <translation>二级告警</translation>
    </message>
    <message>
        <source>Warning Level3</source>
        <translation>三级告警</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>System status changed</source>
        <translation>系统状态改变</translation>
    </message>
    <message>
        <source>Erase BMS Firmware</source>
        <translation>擦除BMS固件</translation>
    </message>
    <message>
        <source>Functional Safety Info</source>
        <translation>功能安全信息</translation>
    </message>
    <message>
        <source>SOP Info</source>
        <translation>SOP信息</translation>
    </message>
    <message>
        <source>BCU Hardware failt</source>
        <translation>BCU硬件故障</translation>
    </message>
    <message>
        <source>Firmware Start to Update</source>
        <translation>固件开始升级</translation>
    </message>
    <message>
        <source>Firmware Update Successful</source>
        <translation>固件升级成功</translation>
    </message>
    <message>
        <source>Firmware Update failure</source>
        <translation>固件升级失败</translation>
    </message>
    <message>
        <source>SN Code Changed</source>
        <translation>序列号已更改</translation>
    </message>
    <message>
        <source>BMS disconnected with BMU</source>
        <translation>BMS与BMU断开连接</translation>
    </message>
    <message>
        <source>BMU F/W Reset</source>
        <translation>BMU固件复位</translation>
    </message>
    <message>
        <source>BMU Watchdog Reset</source>
        <translation>BMU看门狗复位</translation>
    </message>
    <message>
        <source>PreCharge Failed</source>
        <translation>预充失败</translation>
    </message>
    <message>
        <source>Address registration failed</source>
        <translation>地址注册失败</translation>
    </message>
    <message>
        <source>Parameters table Load Failed</source>
        <translation>参数表加载失败</translation>
    </message>
    <message>
        <source>System timing log</source>
        <translation>系统定时记录</translation>
    </message>
    <message>
        <source>Parameters table updating done</source>
        <translation>参数表更新完成</translation>
    </message>
    <message>
        <source>Events appear</source>
        <translation>事件出现</translation>
    </message>
    <message>
        <source>Events disappear</source>
        <translation>事件消失</translation>
    </message>
    <message>
        <source>No Defined</source>
        <translation>未定义</translation>
    </message>
    <message>
        <source>| Total Voltage too High |</source>
        <translation>| 总电压过高 |</translation>
    </message>
    <message>
        <source>| Total Voltage too Low |</source>
        <translation>| 总电压过低 |</translation>
    </message>
    <message>
        <source>| Cell Voltage too High |</source>
        <translation>| 电芯电压过高 |</translation>
    </message>
    <message>
        <source>| Cell Voltage too Low |</source>
        <translation>| 电芯电压过低 |</translation>
    </message>
    <message>
        <source>| Voltage Sensor Fault |</source>
        <translation>| 电压传感器故障 |</translation>
    </message>
    <message>
        <source>| Temperature Sersor Fault |</source>
        <translation>| 温度传感器故障 |</translation>
    </message>
    <message>
        <source>| Cell Discharging Temp. too High |</source>
        <translation>| 电芯放电温度过高 |</translation>
    </message>
    <message>
        <source>| Cell Discharging Temp. too Low |</source>
        <translation>| 电芯放电温度过低 |</translation>
    </message>
    <message>
        <source>| Cell Charging Temp. too High |</source>
        <translation>| 电芯充电温度过高 |</translation>
    </message>
    <message>
        <source>| Cell Charging Temp. too Low |</source>
        <translation>| 电芯充电温度过低 |</translation>
    </message>
    <message>
        <source>| Discharging Over Current |</source>
        <translation>| 放电过流 |</translation>
    </message>
    <message>
        <source>| Charging Over Current |</source>
        <translation>| 充电过流 |</translation>
    </message>
    <message>
        <source>| Major loop Fault |</source>
        <translation>| 主回路故障 |</translation>
    </message>
    <message>
        <source>| Short Circuit warning |</source>
        <translation>| 短路告警 |</translation>
    </message>
    <message>
        <source>| Battery Imbalance |</source>
        <translation>| 电池不均衡 |</translation>
    </message>
    <message>
        <source>| Current Sensor Fault |</source>
        <translation>| 电流传感器故障 |</translation>
    </message>
    <message>
        <source>| Registered address failure |</source>
        <translation>| 地址注册失败 |</translation>
    </message>
    <message>
        <source>| Loading Parameter error |</source>
        <translation>| 参数加载错误 |</translation>
    </message>
    <message>
        <source>| Pre-Charge Failure |</source>
        <translation>| 预充失败 |</translation>
    </message>
    <message>
        <source>| BMU FW update Failure |</source>
        <translation>| BMU固件升级失败 |</translation>
    </message>
    <message>
        <source>| BMS FW update Failure |</source>
        <translation>| BMS固件升级失败 |</translation>
    </message>
    <message>
        <source>| Interior Communication Failure |</source>
        <translation>| 内部通信故障 |</translation>
    </message>
    <message>
        <source>| Inverter Communication Overtime |</source>
        <translation>| 逆变器通信超时 |</translation>
    </message>
    <message>
        <source>| BMS Warning |</source>
        <translation>| BMS告警 |</translation>
    </message>
    <message>
        <source>| BMU detect AirSwitch abnormal |</source>
        <translation>| BMU检测到空气开关异常 |</translation>
    </message>
    <message>
        <source>V-sensor failure;</source>
        <translation>电压传感器故障;</translation>
    </message>
    <message>
        <source>T-sensor failure;</source>
        <translation>温度传感器故障;</translation>
    </message>
    <message>
        <source>Cell discharge Temp-High;</source>
        <translation>电芯放电温度高;</translation>
    </message>
    <message>
        <source>Cell discharge Temp-Low;</source>
        <translation>电芯放电温度低;</translation>
    </message>
    <message>
        <source>Cell charge Temp-High;</source>
        <translation>电芯充电温度高;</translation>
    </message>
    <message>
        <source>Cell charge Temp-Low;</source>
        <translation>电芯充电温度低;</translation>
    </message>
    <message>
        <source>Discharging over current;</source>
        <translation>放电过流;</translation>
    </message>
    <message>
        <source>Charging over current;</source>
        <translation>充电过流;</translation>
    </message>
    <message>
        <source>Main circuit failure;</source>
        <translation>主回路故障;</translation>
    </message>
    <message>
        <source>Short circuit;</source>
        <translation>短路;</translation>
    </message>
    <message>
        <source>Cells imbalance;</source>
        <translation>电芯不均衡;</translation>
    </message>
    <message>
        <source>Current sensor failure;</source>
        <translation>电流传感器故障;</translation>
    </message>
    <message>
        <source> Cell OverVoltage;</source>
        <translation> 电芯过压;</translation>
    </message>
    <message>
        <source> Cell UnderVoltage;</source>
        <translation> 电芯欠压;</translation>
    </message>
    <message>
        <source> Cell OverTemp.;</source>
        <translation> 电芯过温;</translation>
    </message>
    <message>
        <source> Cell UnderTemp.;</source>
        <translation> 电芯欠温;</translation>
    </message>
    <message>
        <source> Cell Voltage sampling cable off;</source>
        <translation> 电芯电压采样线脱落;</translation>
    </message>
    <message>
        <source> Temperature sampling cable off;</source>
        <translation> 温度采样线脱落;</translation>
    </message>
    <message>
        <source> Output OverVoltage;</source>
        <translation> 输出过压;</translation>
    </message>
    <message>
        <source> Output OverCurrent;</source>
        <translation> 输出过流;</translation>
    </message>
    <message>
        <source> BMS Abnormal heartbeat frame;</source>
        <translation> BMS心跳帧异常;</translation>
    </message>
    <message>
        <source> Current detected when the main circuit is disconnected;</source>
        <translation> 主回路断开时检测到电流;</translation>
    </message>
    <message>
        <source> BMS does not respond to cell sampling request;</source>
        <translation> BMS未响应电芯采样请求;</translation>
    </message>
    <message>
        <source> Output Voltage differs too much from the accumulator voltage;</source>
        <translation> 输出电压与累加电压相差过大;</translation>
    </message>
    <message>
        <source>| Switch off by pressing LED button. |</source>
        <translation>| 按LED按键关机。 |</translation>
    </message>
    <message>
        <source>| Shutdown dur to timer timeout. |</source>
        <translation>| 定时器超时关机。 |</translation>
    </message>
    <message>
        <source>| BMS requests to switch off. |</source>
        <translation>| BMS请求关机。 |</translation>
    </message>
    <message>
        <source>| Inverter requests to switch off. |</source>
        <translation>| 逆变器请求关机。 |</translation>
    </message>
    <message>
        <source>| Black start is prohibited for the inverter. |</source>
        <translation>| 逆变器禁止黑启动。 |</translation>
    </message>
    <message>
        <source>| Inverter requests to reset. |</source>
        <translation>| 逆变器请求复位。 |</translation>
    </message>
    <message>
        <source>| Moduel type: QPC |</source>
        <translation>| 模块类型: QPC |</translation>
    </message>
    <message>
        <source>| Moduel type: QPB |</source>
        <translation>| 模块类型: QPB |</translation>
    </message>
    <message>
        <source>| Moduel type: QPA |</source>
        <translation>| 模块类型: QPA |</translation>
    </message>
    <message>
        <source>| BMS A Updating |</source>
        <translation>| BMS A分区升级中 |</translation>
    </message>
    <message>
        <source>| BMS B Updating |</source>
        <translation>| BMS B分区升级中 |</translation>
    </message>
    <message>
        <source>| BMS Parameters table Updating |</source>
        <translation>| BMS参数表更新中 |</translation>
    </message>
    <message>
        <source>| Calibrated by Upper computer |</source>
        <translation>| 由上位机校准 |</translation>
    </message>
    <message>
        <source>| Calibrated by Inverter |</source>
        <translation>| 由逆变器校准 |</translation>
    </message>
    <message>
        <source>| Calibrated by Internet |</source>
        <translation>| 由网络校准 |</translation>
    </message>
    <message>
        <source>| No BMS reply |</source>
        <translation>| BMS无应答 |</translation>
    </message>
    <message>
        <source>| BMS reports not assigned to the address |</source>
        <translation>| BMS报告未分配到地址 |</translation>
    </message>
    <message>
        <source>| Not defined. |</source>
        <translation>| 未定义。 |</translation>
    </message>
    <message>
        <source>| Bootloader |</source>
        <translation>| 引导程序 |</translation>
    </message>
    <message>
        <source>| F/W Update |</source>
        <translation>| 固件升级 |</translation>
    </message>
    <message>
        <source>| Running section: A |</source>
        <translation>| 运行分区: A |</translation>
    </message>
    <message>
        <source>| Running section: B |</source>
        <translation>| 运行分区: B |</translation>
    </message>
    <message>
        <source>| Current Version: %1 |</source>
        <translation>| 当前版本: %1 |</translation>
    </message>
    <message>
        <source>| Not defined |</source>
        <translation>| 未定义 |</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>无告警</translation>
    </message>
    <message>
        <source>| Cell_Max._V:%1mV |</source>
        <translation>| 电芯最高电压:%1mV |</translation>
    </message>
    <message>
        <source>| Cell_Min._V:%1mV |</source>
        <translation>| 电芯最低电压:%1mV |</translation>
    </message>
    <message>
        <source>| Battery_Temp_Max:%1℃ |</source>
        <translation>| 电池最高温度:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery_Temp_Min:%1℃ |</source>
        <translation>| 电池最低温度:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery Total Voltage:%1V |</source>
        <translation>| 电池总电压:%1V |</translation>
    </message>
    <message>
        <source>| SOC:%1% |</source>
        <translation>| SOC(荷电状态):%1% |</translation>
    </message>
    <message>
        <source>| SOH:%1% |</source>
        <translation>| SOH(健康状态):%1% |</translation>
    </message>
    <message>
        <source>| Running Time: %1s |</source>
        <translation>| 运行时间: %1s |</translation>
    </message>
    <message>
        <source>| BMU detected Cells Qty: %1 |</source>
        <translation>| BMU检测电芯数量: %1 |</translation>
    </message>
    <message>
        <source>| BMU detected Temp. Qty: %1 |</source>
        <translation>| BMU检测温度点数量: %1 |</translation>
    </message>
    <message>
        <source>| BMU detected Cell_V_Max: %1mV |</source>
        <translation>| BMU检测电芯最高电压: %1mV |</translation>
    </message>
    <message>
        <source>| BMU detected Cell_V_Min: %1mV |</source>
        <translation>| BMU检测电芯最低电压: %1mV |</translation>
    </message>
    <message>
        <source>| BMU detected Temp_Max: %1℃ |</source>
        <translation>| BMU检测最高温度: %1℃ |</translation>
    </message>
    <message>
        <source>| BMU detected Temp_Min: %1℃ |</source>
        <translation>| BMU检测最低温度: %1℃ |</translation>
    </message>
    <message>
        <source>| BMU detected Current: %1A |</source>
        <translation>| BMU检测电流: %1A |</translation>
    </message>
    <message>
        <source>| BMU detected Output_V: %1V |</source>
        <translation>| BMU检测输出电压: %1V |</translation>
    </message>
    <message>
        <source>| BMU detected All Cells Accum_V: %1V |</source>
        <translation>| BMU检测电芯累加电压: %1V |</translation>
    </message>
    <message>
        <source>| BMS Address: %1 |</source>
        <translation>| BMS地址: %1 |</translation>
    </message>
    <message>
        <source>| Moduel type: Not defined |</source>
        <translation>| 模块类型: 未定义 |</translation>
    </message>
    <message>
        <source>| Moduel Number: %1 |</source>
        <translation>| 模块编号: %1 |</translation>
    </message>
    <message>
        <source>| Charge Max. Current:%1A |</source>
        <translation>| 最大充电电流:%1A |</translation>
    </message>
    <message>
        <source>| Discharge Max. Current:%1A |</source>
        <translation>| 最大放电电流:%1A |</translation>
    </message>
    <message>
        <source>| Charge Max. Voltage:%1V |</source>
        <translation>| 最高充电电压:%1V |</translation>
    </message>
    <message>
        <source>| Discharge Min. Voltage:%1V |</source>
        <translation>| 最低放电电压:%1V |</translation>
    </message>
    <message>
        <source>| Battery Temperature:%1℃ |</source>
        <translation>| 电池温度:%1℃ |</translation>
    </message>
    <message>
        <source>| BMS Qty:%1 |</source>
        <translation>| BMS数量:%1 |</translation>
    </message>
    <message>
        <source>| Environment_Temp_Min:%1℃ |</source>
        <translation>| 环境最低温度:%1℃ |</translation>
    </message>
    <message>
        <source>| Environment_Temp_Max:%1℃ |</source>
        <translation>| 环境最高温度:%1℃ |</translation>
    </message>
    <message>
        <source>| Battery Current_Temp:%1℃ |</source>
        <translation>| 电池当前温度:%1℃ |</translation>
    </message>
    <message>
        <source>| Cell_HV:%1mV |</source>
        <translation>| 电芯最高电压:%1mV |</translation>
    </message>
    <message>
        <source>| Cell_LV:%1mV |</source>
        <translation>| 电芯最低电压:%1mV |</translation>
    </message>
    <message>
        <source>| BMS Warning1:%1 |</source>
        <translation>| BMS告警1:%1 |</translation>
    </message>
    <message>
        <source>| BMS Warning2:%1 |</source>
        <translation>| BMS告警2:%1 |</translation>
    </message>
    <message>
        <source>| BMS Warning3:%1 |</source>
        <translation>| BMS告警3:%1 |</translation>
    </message>
    <message>
        <source>| System Status:%1 |</source>
        <translation>| 系统状态:%1 |</translation>
    </message>
    <message>
        <source>| Not defined </source>
        <translation>| 未定义 </translation>
    </message>
    <message>
        <source>| Erased section: A |</source>
        <translation>| 已擦除分区: A |</translation>
    </message>
    <message>
        <source>| Erased section: B |</source>
        <translation>| 已擦除分区: B |</translation>
    </message>
    <message>
        <source>| FW Version: %1 |</source>
        <translation>| 固件版本: %1 |</translation>
    </message>
    <message>
        <source>| BCU can not be shutdown! |</source>
        <translation>| BCU无法关断! |</translation>
    </message>
    <message>
        <source>| Air switch can not be disconnected! |</source>
        <translation>| 空气开关无法断开! |</translation>
    </message>
    <message>
        <source>| Version:%1 |</source>
        <translation>| 版本:%1 |</translation>
    </message>
    <message>
        <source>| BMS Update Finish |</source>
        <translation>| BMS升级完成 |</translation>
    </message>
    <message>
        <source>| BMS Update Failure |</source>
        <translation>| BMS升级失败 |</translation>
    </message>
    <message>
        <source>| BMS Parameters table Update |</source>
        <translation>| BMS参数表更新 |</translation>
    </message>
    <message>
        <source>| BMU Parameters table Update |</source>
        <translation>| BMU参数表更新 |</translation>
    </message>
    <message>
        <source>| Parameters table： %1 |</source>
        <translation>| 参数表： %1 |</translation>
    </message>
    <message>
        <source>| System Status:BMU_INIT |</source>
        <translation>| 系统状态:BMU_INIT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_SELFCHECK |</source>
        <translation>| 系统状态:BMU_SELFCHECK |</translation>
    </message>
    <message>
        <source>| System Status:BMU_LOADPARAMETER |</source>
        <translation>| 系统状态:BMU_LOADPARAMETER |</translation>
    </message>
    <message>
        <source>| System Status:BMU_PRECHARGE |</source>
        <translation>| 系统状态:BMU_PRECHARGE |</translation>
    </message>
    <message>
        <source>| System Status:BMU_POLICY |</source>
        <translation>| 系统状态:BMU_POLICY |</translation>
    </message>
    <message>
        <source>| System Status:BMU_FAULT |</source>
        <translation>| 系统状态:BMU_FAULT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_WAIT |</source>
        <translation>| 系统状态:BMU_WAIT |</translation>
    </message>
    <message>
        <source>| System Status:BMU_SHUTDOWN |</source>
        <translation>| 系统状态:BMU_SHUTDOWN |</translation>
    </message>
    <message>
        <source>Battery over voltage;</source>
        <translation>电池过压;</translation>
    </message>
    <message>
        <source>Battery under voltage;</source>
        <translation>电池欠压;</translation>
    </message>
    <message>
        <source>Cell over voltage;</source>
        <translation>电芯过压;</translation>
    </message>
    <message>
        <source>Cell under voltage;</source>
        <translation>电芯欠压;</translation>
    </message>
    <message>
        <source>I-sensor failure;</source>
        <translation>电流传感器故障;</translation>
    </message>
    <message>
        <source>| Shutdown by pressing LED button. |</source>
        <translation>| 按LED按键关机。 |</translation>
    </message>
    <message>
        <source>| Shutdown due to Low SOC. |</source>
        <translation>| SOC过低关机。 |</translation>
    </message>
    <message>
        <source>| Inverter no respond. |</source>
        <translation>| 逆变器无响应。 |</translation>
    </message>
    <message>
        <source>| Shutdown due to Warning level4. |</source>
        <translation>| 四级告警关机。 |</translation>
    </message>
    <message>
        <source>| Cell voltage High |</source>
        <translation>| 电芯电压高 |</translation>
    </message>
    <message>
        <source>| Cell voltage low |</source>
        <translation>| 电芯电压低 |</translation>
    </message>
    <message>
        <source>| Discharging Temp. High |</source>
        <translation>| 放电温度高 |</translation>
    </message>
    <message>
        <source>| Discharging Temp. low |</source>
        <translation>| 放电温度低 |</translation>
    </message>
    <message>
        <source>| Charging Temp. High |</source>
        <translation>| 充电温度高 |</translation>
    </message>
    <message>
        <source>| Charging Temp. low |</source>
        <translation>| 充电温度低 |</translation>
    </message>
    <message>
        <source>| Discharging Overcurrent |</source>
        <translation>| 放电过流 |</translation>
    </message>
    <message>
        <source>| Charging Overcurrent |</source>
        <translation>| 充电过流 |</translation>
    </message>
    <message>
        <source>| Updating Section A |</source>
        <translation>| 升级A分区 |</translation>
    </message>
    <message>
        <source>| Updating Section B |</source>
        <translation>| 升级B分区 |</translation>
    </message>
    <message>
        <source>| BMS Update |</source>
        <translation>| BMS升级 |</translation>
    </message>
    <message>
        <source>| BMU Update |</source>
        <translation>| BMU升级 |</translation>
    </message>
    <message>
        <source>| BMS Update finish |</source>
        <translation>| BMS升级完成 |</translation>
    </message>
    <message>
        <source>| BMU Update finish |</source>
        <translation>| BMU升级完成 |</translation>
    </message>
    <message>
        <source>| BMS Update failure |</source>
        <translation>| BMS升级失败 |</translation>
    </message>
    <message>
        <source>| BMU Update failure |</source>
        <translation>| BMU升级失败 |</translation>
    </message>
    <message>
        <source>| BMS Updating |</source>
        <translation>| BMS升级中 |</translation>
    </message>
    <message>
        <source>| BMU Updating |</source>
        <translation>| BMU升级中 |</translation>
    </message>
    <message>
        <source>| BMS P-T Updating done |</source>
        <translation>| BMS参数表更新完成 |</translation>
    </message>
    <message>
        <source>| BMU P-T Updating done |</source>
        <translation>| BMU参数表更新完成 |</translation>
    </message>
    <message>
        <source>| No warning%1 |</source>
        <translation>| 无告警%1 |</translation>
    </message>
    <message>
        <source>| Warning%1:</source>
        <translation>| 告警%1:</translation>
    </message>
    <message>
        <source>| Output Voltage:%1V |</source>
        <translation>| 输出电压:%1V |</translation>
    </message>
    <message>
        <source>| Current:%1A |</source>
        <translation>| 电流:%1A |</translation>
    </message>
    <message>
        <source>| Running Version:%1 |</source>
        <translation>| 运行版本:%1 |</translation>
    </message>
    <message>
        <source> | Stop Charging |</source>
        <translation> | 停止充电 |</translation>
    </message>
    <message>
        <source>| F/W Version:%1 |</source>
        <translation>| 固件版本:%1 |</translation>
    </message>
    <message>
        <source>| P/T Version:%1 |</source>
        <translation>| 参数表版本:%1 |</translation>
    </message>
    <message>
        <source>| P/T No.%1 table updating |</source>
        <translation>| 第%1号参数表更新中 |</translation>
    </message>
    <message>
        <source>No record data</source>
        <translation>无记录数据</translation>
    </message>
    <message>
        <source>| SMA enables  signal loss. |</source>
        <translation>| SMA使能信号丢失。 |</translation>
    </message>
</context>
<context>
    <name>HistoryRead</name>
    <message>
        <source>No response from the BMU: reading the history stopped after %1 of %2 blocks.</source>
        <translation>BMU 无响应：历史记录读取在第 %1 块（共 %2 块）后停止。</translation>
    </message>
</context>
<context>
    <name>LinkLog</name>
    <message>
        <source>sent</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>received</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>good</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>时间（毫秒）</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>帧</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC 校验</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>延迟（毫秒）</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>十六进制</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>short frame of %1 bytes</source>
        <translation>%1 字节的短帧</translation>
    </message>
    <message>
        <source>exception %1 (%2) to function %3</source>
        <translation>对功能 %3 的异常 %1（%2）</translation>
    </message>
    <message>
        <source>read %1, count %2</source>
        <translation>读取 %1，数量 %2</translation>
    </message>
    <message>
        <source>reply to read %2, count %1</source>
        <translation>读取 %2 的应答，数量 %1</translation>
    </message>
    <message>
        <source>reply, count %1</source>
        <translation>应答，数量 %1</translation>
    </message>
    <message>
        <source>write %1, count %2</source>
        <translation>写入 %1，数量 %2</translation>
    </message>
    <message>
        <source>echo of write %1, count %2</source>
        <translation>写入 %1 的回显，数量 %2</translation>
    </message>
    <message>
        <source>function %1</source>
        <translation>功能 %1</translation>
    </message>
</context>
<context>
    <name>LinkMonitorWindow</name>
    <message>
        <source>Save the link monitor</source>
        <translation>保存链路监视</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Link monitor</source>
        <translation>链路监视</translation>
    </message>
    <message>
        <source>received</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>good</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>延迟（毫秒）</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Save as text…</source>
        <translation>另存为文本…</translation>
    </message>
    <message>
        <source>All operations</source>
        <translation>所有操作</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>操作：</translation>
    </message>
    <message>
        <source>Frames %1 · bytes %2 · CRC errors %3 · exceptions %4 · time-outs %5 · mean latency %6 ms</source>
        <translation>帧 %1 · 字节 %2 · CRC 错误 %3 · 异常 %4 · 超时 %5 · 平均延迟 %6 毫秒</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>LiveRefresh</name>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Paused: %1 running</source>
        <translation>已暂停：%1 正在进行</translation>
    </message>
    <message>
        <source>Live · reading</source>
        <translation>实时 · 正在读取</translation>
    </message>
    <message>
        <source>Live · updated %1 s ago</source>
        <translation>实时 · %1 秒前更新</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Welcome To Use VTR</source>
        <translation>欢迎使用 VTR</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>账户：</translation>
    </message>
    <message>
        <source>Installer</source>
        <translation>安装商</translation>
    </message>
    <message>
        <source>Service Partner</source>
        <translation>服务合作伙伴</translation>
    </message>
    <message>
        <source>Inverter Partner</source>
        <translation>逆变器合作伙伴</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose your character</source>
        <translation>请选择您的角色</translation>
    </message>
    <message>
        <source>No password is stored for this role.</source>
        <translation>此角色未设置密码。</translation>
    </message>
    <message>
        <source>Password is wrong. 
 It is same as WiFi&apos;s password!</source>
        <translation>密码错误。
 密码与 WiFi 密码相同！</translation>
    </message>
    <message>
        <source>Password is wrong!</source>
        <translation>密码错误！</translation>
    </message>
    <message>
        <source>No passwords are set for this folder (no %1 here).
Set them with: voltaro --set-password ROLE PASSWORD</source>
        <translation>此文件夹未设置密码（这里没有 %1）。
请用以下命令设置：voltaro --set-password ROLE PASSWORD</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Keep this PC on the battery system&apos;s WiFi while reading or updating.</source>
        <translation>读取或升级期间，请保持本电脑连接在电池系统的 WiFi 上。</translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Fault Level</source>
        <translation>故障等级</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Data export successfully. Do you want to open it now?</source>
        <translation>数据导出成功。现在打开吗？</translation>
    </message>
    <message>
        <source>Choose Excel file</source>
        <translation>选择 Excel 文件</translation>
    </message>
    <message>
        <source>Please choose BMU or BMS first.</source>
        <translation>请先选择 BMU 或 BMS。</translation>
    </message>
    <message>
        <source>Choose F/W file</source>
        <translation>选择固件文件</translation>
    </message>
    <message>
        <source>选择Excel文件</source>
        <translation>选择 Excel 文件</translation>
    </message>
    <message>
        <source>No file chosen; no table was written.</source>
        <translation>未选择文件，未写入参数表。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>加密的阈值表导出成功, 文件名为：%1,已存入Data文件夹</source>
        <translation>加密的阈值表导出成功，文件名为：%1，已存入 Data 文件夹</translation>
    </message>
    <message>
        <source>Downloading from the update server...</source>
        <translation>正在从升级服务器下载……</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>please wait...</source>
        <translation>请稍候……</translation>
    </message>
    <message>
        <source>The firmware image cannot be sent.</source>
        <translation>无法发送该固件镜像。</translation>
    </message>
    <message>
        <source>File is destroyed,please download and try again. Or contact with our service partner.</source>
        <translation>文件已损坏，请重新下载后再试，或联系我们的服务合作伙伴。</translation>
    </message>
    <message>
        <source>Fast reads on</source>
        <translation>快速读取已开启</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please input the correct Number.</source>
        <translation>请输入正确的数量。</translation>
    </message>
    <message>
        <source>Reading historical data...</source>
        <translation>正在读取历史数据……</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>已连接到 %1:%2</translation>
    </message>
    <message>
        <source>Link lost, reconnecting (attempt %1)</source>
        <translation>连接中断，正在重新连接（第 %1 次）</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Connection successfully!</source>
        <translation>连接成功！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connection failed!</source>
        <translation>连接失败！</translation>
    </message>
    <message>
        <source>The BMU reports %1 towers of %2 modules, more than a system can have: check the number of modules in the setup.</source>
        <translation>BMU 报告 %1 簇、每簇 %2 个模块，超出系统上限：请检查设置中的模块数量。</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Log Data</source>
        <translation>日志数据</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Cell Chart</source>
        <translation>电芯图表</translation>
    </message>
    <message>
        <source>Confirm the update</source>
        <translation>确认升级</translation>
    </message>
    <message>
        <source>parameter table</source>
        <translation>参数表</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2：%3</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>every %1 s</source>
        <translation>每 %1 秒</translation>
    </message>
    <message>
        <source>Link down: values last read %1</source>
        <translation>链路断开：数值最后读取于 %1</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>The link to the BMU was lost during the %1: reconnecting, the %1 goes on once the BMU answers again or ends at its time-out.</source>
        <translation>%1 期间与 BMU 的连接中断：正在重新连接，BMU 再次应答后 %1 继续，否则在超时后结束。</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>OFF GRID</source>
        <translation>离网</translation>
    </message>
    <message>
        <source>ON GRID</source>
        <translation>并网</translation>
    </message>
    <message>
        <source>BACK UP</source>
        <translation>备电</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单相</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>三相</translation>
    </message>
    <message>
        <source>SOC:%1%</source>
        <translation>SOC：%1%</translation>
    </message>
    <message>
        <source>Current:%1A</source>
        <translation>电流：%1A</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>DisCharging</source>
        <translation>放电中</translation>
    </message>
    <message>
        <source>Bat:%1V</source>
        <translation>电池：%1V</translation>
    </message>
    <message>
        <source>Output:%1V</source>
        <translation>输出：%1V</translation>
    </message>
    <message>
        <source>Power:%1W</source>
        <translation>功率：%1W</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Modules in Serial</source>
        <translation>串联模块数</translation>
    </message>
    <message>
        <source>Modules in Parallels</source>
        <translation>并联模块数</translation>
    </message>
    <message>
        <source>The number of modules must be a whole number from 0 to 255. Nothing was written.</source>
        <translation>模块数量必须是 0 到 255 之间的整数。未写入任何设置。</translation>
    </message>
    <message>
        <source>Please choose the battery type, the grid and the phase. Nothing was written.</source>
        <translation>请选择电池类型、电网和相位。未写入任何设置。</translation>
    </message>
    <message>
        <source>The setup has not been read yet: press Refresh first, so that the number of towers the BMU reports is kept. Nothing was written.</source>
        <translation>尚未读取设置：请先按刷新，以便保留 BMU 报告的塔数。未写入任何内容。</translation>
    </message>
    <message>
        <source>On a high-voltage system the modules per tower are a number from 0 to 15. Nothing was written.</source>
        <translation>在高压系统中，每塔模块数为 0 到 15 的数字。未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>SetupRead</name>
    <message>
        <source>No valid reply from the BMU: the setup was not read.</source>
        <translation>BMU 无有效应答：未读取设置。</translation>
    </message>
    <message>
        <source>No valid reply from the BMU.</source>
        <translation>BMU 无有效应答。</translation>
    </message>
</context>
<context>
    <name>SetupWrite</name>
    <message>
        <source>The BMU did not confirm the setup: nothing is known to be written.</source>
        <translation>BMU 未确认设置：无法确定是否已写入。</translation>
    </message>
    <message>
        <source>setting susseccful</source>
        <translation>设置成功</translation>
    </message>
</context>
<context>
    <name>StatusRefresh</name>
    <message>
        <source>No valid reply from the BMU: the refresh ended.</source>
        <translation>BMU 无有效应答：刷新已结束。</translation>
    </message>
    <message>
        <source>No valid reply from the BMU.</source>
        <translation>BMU 无有效应答。</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>No response, please try again.</source>
        <translation>无响应，请重试。</translation>
    </message>
    <message>
        <source>Updating failure, please try again!</source>
        <translation>升级失败，请重试！</translation>
    </message>
    <message>
        <source>Updating,please wait...</source>
        <translation>正在升级，请稍候……</translation>
    </message>
    <message>
        <source>parameter table update</source>
        <translation>参数表升级</translation>
    </message>
    <message>
        <source>%1 firmware update</source>
        <translation>%1 固件升级</translation>
    </message>
    <message>
        <source>Transferring Data Error,please double check the Wifi connection.</source>
        <translation>数据传输错误，请检查 WiFi 连接。</translation>
    </message>
    <message>
        <source>Firmware Starts to update.</source>
        <translation>固件开始升级。</translation>
    </message>
    <message>
        <source>Parameters table Starts to update.</source>
        <translation>参数表开始升级。</translation>
    </message>
    <message>
        <source>Update failure, please try again.</source>
        <translation>升级失败，请重试。</translation>
    </message>
    <message>
        <source>update Successful!!!</source>
        <translation>升级成功！！！</translation>
    </message>
    <message>
        <source>Please confirm the version after 2 minutes</source>
        <translation>请在 2 分钟后确认版本</translation>
    </message>
    <message>
        <source>Update Successful!!!</source>
        <translation>升级成功！！！</translation>
    </message>
    <message>
        <source>Data has been loaded to BMU successfully!!</source>
        <translation>数据已成功加载到 BMU！！</translation>
    </message>
    <message>
        <source>Please keep the system powering on, then BMU will start to update BMS.</source>
        <translation>请保持系统通电，BMU 随后将开始升级 BMS。</translation>
    </message>
    <message>
        <source>The process will take about 15 minutes.</source>
        <translation>该过程大约需要 15 分钟。</translation>
    </message>
    <message>
        <source>The update did not end: %1 Nothing is known to be updated.</source>
        <translation>升级未完成：%1 无法确定是否已升级。</translation>
    </message>
</context>
<context>
    <name>TranslationRun</name>
    <message>
        <source>Please choose the correct data file!!</source>
        <translation>请选择正确的数据文件！！</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>正在读取 %1 ……</translation>
    </message>
    <message>
        <source>Translate From File</source>
        <translation>从文件解析</translation>
    </message>
    <message>
        <source>Translating rows ...</source>
        <translation>正在解析数据行……</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Filling the table ...</source>
        <translation>正在填充表格……</translation>
    </message>
</context>
<context>
    <name>Ui_MainWindow</name>
    <message>
        <source>Serial number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Battery Type:</source>
        <translation>电池类型：</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>逆变器：</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Diagnosis</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Cells Info</source>
        <translation>电芯信息</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>日志解析</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Max. Cell Voltage:</source>
        <translation>最高单体电压：</translation>
    </message>
    <message>
        <source>Min. Cell Voltage:</source>
        <translation>最低单体电压：</translation>
    </message>
    <message>
        <source>Max. Cell Temp.:</source>
        <translation>最高单体温度：</translation>
    </message>
    <message>
        <source>Min. Cell Temp.:</source>
        <translation>最低单体温度：</translation>
    </message>
    <message>
        <source>Temp.:</source>
        <translation>温度：</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>相位：</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>电网：</translation>
    </message>
    <message>
        <source>System status:</source>
        <translation>系统状态：</translation>
    </message>
    <message>
        <source>F/W Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>BMS Qty:</source>
        <translation>BMS 数量：</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>模块：</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>    Configuration</source>
        <translation>    配置</translation>
    </message>
    <message>
        <source>Inverter type</source>
        <translation>逆变器类型</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单相</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>三相</translation>
    </message>
    <message>
        <source>Battery type</source>
        <translation>电池类型</translation>
    </message>
    <message>
        <source>Off Grid</source>
        <translation>离网</translation>
    </message>
    <message>
        <source>On Grid</source>
        <translation>并网</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备电</translation>
    </message>
    <message>
        <source>Qty of Parallel：</source>
        <translation>并联数量：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Inverter Type：</source>
        <translation>逆变器类型：</translation>
    </message>
    <message>
        <source>Phase：</source>
        <translation>相位：</translation>
    </message>
    <message>
        <source>Battery Type：</source>
        <translation>电池类型：</translation>
    </message>
    <message>
        <source>Grid：</source>
        <translation>电网：</translation>
    </message>
    <message>
        <source>Service and support</source>
        <translation>服务与支持</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Voltaro service&lt;/h3&gt;&lt;p&gt;For commissioning questions, firmware updates and warranty cases please contact your service partner first.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Service hotline:&lt;/b&gt; +49 30 0000 0000 (Mon&amp;ndash;Fri, 8:00&amp;ndash;17:00)&lt;br/&gt;&lt;b&gt;E-mail:&lt;/b&gt; service@voltaro.net&lt;/p&gt;&lt;p&gt;Please have the serial number of the BMU and, for a tower, of its BMS at hand.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Voltaro 服务&lt;/h3&gt;&lt;p&gt;调试问题、固件升级及保修事宜，请先联系您的服务合作伙伴。&lt;/p&gt;&lt;p&gt;&lt;b&gt;服务热线：&lt;/b&gt;+49 30 0000 0000（周一至周五，8:00&amp;ndash;17:00）&lt;br/&gt;&lt;b&gt;电子邮件：&lt;/b&gt;service@voltaro.net&lt;/p&gt;&lt;p&gt;请准备好 BMU 的序列号；如为电池簇，还请准备其 BMS 的序列号。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>电池：</translation>
    </message>
    <message>
        <source>Pack:</source>
        <translation>电池包：</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>电芯</translation>
    </message>
    <message>
        <source>Max. Voltage:</source>
        <translation>最高电压：</translation>
    </message>
    <message>
        <source>Min. Voltage:</source>
        <translation>最低电压：</translation>
    </message>
    <message>
        <source>Max. Temp.:</source>
        <translation>最高温度：</translation>
    </message>
    <message>
        <source>Min. Temp.:</source>
        <translation>最低温度：</translation>
    </message>
    <message>
        <source>Export To File</source>
        <translation>导出到文件</translation>
    </message>
    <message>
        <source>Firmware download</source>
        <translation>固件下载</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Section:</source>
        <translation>分区：</translation>
    </message>
    <message>
        <source>FW Type:</source>
        <translation>固件类型：</translation>
    </message>
    <message>
        <source>Running version:</source>
        <translation>运行版本：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Parameter table update</source>
        <translation>参数表升级</translation>
    </message>
    <message>
        <source>Running:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source> Read</source>
        <translation> 读取</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Fast reads</source>
        <translation>快速读取</translation>
    </message>
    <message>
        <source>Ask for the next page as soon as the BMU has answered, instead of at fixed steps. Leave it off for a BMU that needs the pauses.</source>
        <translation>BMU 一应答即请求下一页，而不是按固定间隔请求。对需要间隔的 BMU 请关闭此项。</translation>
    </message>
    <message>
        <source>Logs&apos; Qty</source>
        <translation>日志数量</translation>
    </message>
    <message>
        <source>Translate From File</source>
        <translation>从文件解析</translation>
    </message>
    <message>
        <source>Firmware verification</source>
        <translation>固件校验</translation>
    </message>
    <message>
        <source>  Choose F/W File</source>
        <translation>  选择固件文件</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Threshold table encryption</source>
        <translation>阈值表加密</translation>
    </message>
    <message>
        <source>Load Table</source>
        <translation>加载参数表</translation>
    </message>
    <message>
        <source>Battery type:</source>
        <translation>电池类型：</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Please download the Firmware file firstly.</source>
        <translation>请先下载固件文件。</translation>
    </message>
    <message>
        <source>The firmware file is incomplete, please delete it from local folder &apos;...//Data&apos;, then re-download a new firmware from server.</source>
        <translation>固件文件不完整，请从本地文件夹 &apos;...//Data&apos; 中删除该文件，然后从服务器重新下载固件。</translation>
    </message>
    <message>
        <source>The firmware file cannot be sent: its version is above 255 or the image needs more than 65535 packets.</source>
        <translation>无法发送该固件文件：版本号大于 255，或镜像需要超过 65535 个数据包。</translation>
    </message>
    <message>
        <source>There is new version for parameter table,please update it. </source>
        <translation>参数表有新版本，请升级。</translation>
    </message>
    <message>
        <source>Load Firmware data successfully.</source>
        <translation>固件数据加载成功。</translation>
    </message>
    <message>
        <source>Load parameter table data successfully.</source>
        <translation>参数表数据加载成功。</translation>
    </message>
    <message>
        <source>The parameter table has been latest.</source>
        <translation>参数表已是最新版本。</translation>
    </message>
    <message>
        <source>Please download the parameter table file firstly.</source>
        <translation>请先下载参数表文件。</translation>
    </message>
    <message>
        <source>The battery type is unknown, please refresh the system info firstly.</source>
        <translation>电池类型未知，请先刷新系统信息。</translation>
    </message>
    <message>
        <source>The parameter table has %1 bytes instead of %2, please download it again.</source>
        <translation>参数表为 %1 字节，应为 %2 字节，请重新下载。</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmation</name>
    <message>
        <source>about %1 s</source>
        <translation>约 %1 秒</translation>
    </message>
    <message>
        <source>about %1 min %2 s</source>
        <translation>约 %1 分 %2 秒</translation>
    </message>
    <message>
        <source>Update the %1 now?

Unit: %1
Version: %2 → %3
File: %4
Size: %5 bytes in %6 packets
Estimated time: %7

Keep the system powered and this PC on its WiFi until the update ends.</source>
        <translation>现在升级 %1 吗？

单元：%1
版本：%2 → %3
文件：%4
大小：%5 字节，共 %6 包
预计时间：%7

升级结束前请保持系统通电，并让本电脑保持连接系统的 WiFi。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
</context>
</TS>
