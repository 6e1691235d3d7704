#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
# Declares a machine's Norvane configuration and applies it with norvanectl.

DOCUMENTATION = r"""
---
module: norvane
short_description: Declare the NFS servers, print queues and options of Norvane
description:
  - Makes the Norvane configuration in C(kqnet.ini) what the task declares, through
    C(norvanectl apply), with the same field rules, locked saves and files as the Norvane window.
  - C(servers) is the complete list, in order; each option given is set, the others keep their
    values. Applying the same declaration again writes nothing and reports no change.
  - The directory of C(kqnet.ini) is C($NORVANE_SYSTEM_DIR), else C($XDG_CONFIG_HOME/norvane), else
    C(~/.config/norvane); set the first with the task's C(environment).
  - Supports check mode and diff mode (a unified diff of C(kqnet.ini)).
options:
  servers:
    description: The servers, in list order. Left out, the server list stays as it is.
    type: list
    elements: dict
    suboptions:
      name: {description: The server's host name or IPv4 address., type: str, required: true}
      drive_mounts: {description: NFS drive mount points., type: bool, default: false}
      printer_mounts: {description: NFS printer mount points., type: bool, default: false}
      stream_printing: {description: Stream printing., type: bool, default: false}
      lpr_printing: {description: LPR printing., type: bool, default: false}
      default_stream_queue: {description: The default stream queue (port 9100 with telnet)., type: bool, default: true}
      stream_queues:
        description: Stream queues, with stream_printing on.
        type: list
        elements: dict
        default: []
        suboptions:
          port: {description: TCP port, 1 to 65536., type: int, required: true}
          telnet_negotiation: {description: Telnet negotiation., type: bool, default: false}
      lpr_queues:
        description: LPR queues, with lpr_printing on.
        type: list
        elements: dict
        default: []
        suboptions:
          queue_name: {description: The queue's name on the server., type: str, required: true}
          filter: {description: The filter letter (v binary, d DVI, f text, g plot, r Fortran, c CIF)., type: str, default: v}
          user_name: {description: The user name for the queue., type: str, default: ""}
          personal_name: {description: The personal name for the queue., type: str, default: ""}
  options:
    description: The global options; each one left out keeps its value.
    type: dict
    suboptions:
      default_user_name: {description: The default user name (at most 31 bytes of UTF-8)., type: str}
      network_warnings: {description: Network warnings., type: bool}
      restore_connections: {description: Restore persistent connections at start-up., type: bool}
      file_protection:
        description: C(parent) for the parent directory's mask, or an octal mask such as C("0640") (quoted).
        type: str
  executable:
    description: The norvanectl program.
    type: str
    default: norvanectl
"""

EXAMPLES = r"""
- name: Norvane's servers and options
  norvane:
    servers:
      - name: fileserver
        drive_mounts: true
        lpr_printing: true
        lpr_queues:
          - {queue_name: lp, filter: f, user_name: admin, personal_name: Print Room}
    options:
      default_user_name: admin
      network_warnings: false
      file_protection: "0640"
"""

RETURN = r"""
file:
  description: The path of kqnet.ini.
  returned: success
  type: str
"""

import json

from ansible.module_utils.basic import AnsibleModule

# The module's names for the keys of norvanectl's document.
SERVER_KEYS = {
    "name": "name",
    "drive_mounts": "nfsDriveMounts",
    "printer_mounts": "nfsPrinterMounts",
    "stream_printing": "streamPrinting",
    "lpr_printing": "lprPrinting",
    "default_stream_queue": "defaultStreamQueue",
}
STREAM_KEYS = {"port": "port", "telnet_negotiation": "telnetNegotiation"}
LPR_KEYS = {"queue_name": "queueName", "filter": "filter", "user_name": "userName", "personal_name": "personalName"}
OPTION_KEYS = {
    "default_user_name": "defaultUserName",
    "network_warnings": "networkWarnings",
    "restore_connections": "restoreConnections",
    "file_protection": "fileProtection",
}


def renamed(values, keys):
    return {keys[key]: value for key, value in values.items() if key in keys and value is not None}


def document(params):
    doc = {}
    if params["servers"] is not None:
        doc["servers"] = []
        for server in params["servers"]:
            entry = renamed(server, SERVER_KEYS)
            entry["streamQueues"] = [renamed(queue, STREAM_KEYS) for queue in server["stream_queues"]]
            entry["lprQueues"] = [renamed(queue, LPR_KEYS) for queue in server["lpr_queues"]]
            doc["servers"].append(entry)
    if params["options"] is not None:
        doc["options"] = renamed(params["options"], OPTION_KEYS)
    return doc


def main():
    stream_queue = dict(port=dict(type="int", required=True), telnet_negotiation=dict(type="bool", default=False))
    lpr_queue = dict(
        queue_name=dict(type="str", required=True),
        filter=dict(type="str", default="v"),
        user_name=dict(type="str", default=""),
        personal_name=dict(type="str", default=""),
    )
    server = dict(
        name=dict(type="str", required=True),
        drive_mounts=dict(type="bool", default=False),
        printer_mounts=dict(type="bool", default=False),
        stream_printing=dict(type="bool", default=False),
        lpr_printing=dict(type="bool", default=False),
        default_stream_queue=dict(type="bool", default=True),
        stream_queues=dict(type="list", elements="dict", default=[], options=stream_queue),
        lpr_queues=dict(type="list", elements="dict", default=[], options=lpr_queue),
    )
    options = dict(
        default_user_name=dict(type="str"),
        network_warnings=dict(type="bool"),
        restore_connections=dict(type="bool"),
        file_protection=dict(type="str"),
    )
    module = AnsibleModule(
        argument_spec=dict(
            servers=dict(type="list", elements="dict", options=server),
            options=dict(type="dict", options=options),
            executable=dict(type="str", default="norvanectl"),
        ),
        supports_check_mode=True,
    )

    executable = module.params["executable"]
    if "/" not in executable:
        executable = module.get_bin_path(executable, required=True)
    command = [executable, "apply", "--json"]
    if module.check_mode:
        command.append("--check")
    if module._diff:
        command.append("--diff")
    command.append("-")
    rc, out, err = module.run_command(command, data=json.dumps(document(module.params)))
    # 1 is --check's "something would change".
    if rc not in (0, 1):
        module.fail_json(msg=err.strip() or out.strip(), rc=rc)
    # A warning, such as a network component that was not told: the configuration is saved.
    if err.strip():
        module.warn(err.strip())
    outcome = json.loads(out)
    result = dict(changed=outcome["changed"], file=outcome["file"])
    if module._diff and outcome.get("diff"):
        result["diff"] = dict(prepared=outcome["diff"])
    module.exit_json(**result)


if __name__ == "__main__":
    main()
