"""Talks to the simulated BMU with Debian's pymodbus client (RTU framing over TCP).

Usage: modbus_conformance.py PORT. Prints one line per check and exits non-zero on the
first failure. The caller checks on its side what the simulator received.
"""
import sys

from pymodbus.client import ModbusTcpClient
from pymodbus.transaction import ModbusRtuFramer

SLAVE = 1
SETUP = [0x0905, 0x0101, 0x0100]


def check(label, condition, detail=""):
    print(("ok   " if condition else "FAIL ") + label + (": " + str(detail) if detail else ""))
    if not condition:
        sys.exit(1)


def to_bytes(registers):
    return b"".join(r.to_bytes(2, "big") for r in registers)


def main():
    client = ModbusTcpClient("127.0.0.1", port=int(sys.argv[1]), framer=ModbusRtuFramer,
                             timeout=3, retries=0)
    check("connect", client.connect())

    status = client.read_holding_registers(0x0000, 102, slave=SLAVE)
    check("read 102 status registers", not status.isError() and len(status.registers) == 102,
          status)
    serial = to_bytes(status.registers[0:10])[0:19].split(b"\0")[0]
    check("serial number", serial.startswith(b"P03"), serial)

    second = client.read_holding_registers(0x0500, 25, slave=SLAVE)
    check("read 25 registers from 0x0500", not second.isError() and 0 < second.registers[0] <= 100,
          second)

    written = client.write_registers(0x0010, SETUP, slave=SLAVE)
    check("write the setup registers", not written.isError() and written.address == 0x0010
          and written.count == 3, written)
    setup = client.read_holding_registers(0x0010, 3, slave=SLAVE)
    check("setup reads back", not setup.isError() and setup.registers == SETUP, setup)

    unmapped = client.read_holding_registers(0x0200, 1, slave=SLAVE)
    check("unmapped register: illegal data address",
          unmapped.isError() and unmapped.exception_code == 2, unmapped)
    read_only = client.write_registers(0x0000, [0x5030], slave=SLAVE)
    check("write to the serial number: illegal data address",
          read_only.isError() and read_only.exception_code == 2, read_only)
    coils = client.read_coils(0, 8, slave=SLAVE)
    check("read coils: illegal function", coils.isError() and coils.exception_code == 1, coils)

    client.close()
    print("OK")


if __name__ == "__main__":
    main()
