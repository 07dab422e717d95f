#!/usr/bin/env bash
# Makes sure a CUPS print server runs with a PDF printer, "BrindelPDF", as the default printer:
# every page printed on it becomes a PDF file in the output folder named by its configuration,
# /etc/cups/cups-pdf-brindel.conf (key "Out"), where the print tests look for it.
# Idempotent: reuses a running server and the printer once added. Needs root (the PDF backend
# and the printer's administration do); reads nothing from standard input and prints the
# printer and the output folder it uses.
set -euo pipefail

printer=BrindelPDF
output=${BRINDEL_PRINT_OUTPUT:-/var/tmp/brindel-printed}
config=/etc/cups/cups-pdf-brindel.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

for tool in cupsd lpadmin lpstat cupsenable cupsaccept; do
  if ! command -v "$tool" >/dev/null && [ ! -x "/usr/sbin/$tool" ]; then
    echo "start-printer: $tool is missing (scripts/setup.sh installs it)" >&2
    exit 1
  fi
done
export PATH="$PATH:/usr/sbin"
if [ "$(id -u)" -ne 0 ]; then
  echo "start-printer: root is needed to run the print server and its PDF printer" >&2
  exit 1
fi
if [ ! -f "$ppd" ] || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "start-printer: the PDF printer driver is missing (printer-driver-cups-pdf)" >&2
  exit 1
fi

# The PDF backend reads the configuration named after the device URI's path (cups-pdf:/brindel).
mkdir -p "$output"
chmod 1777 "$output"
cat > "$config" <<CONF
Out $output
AnonDirName $output
Label 1
TitlePref 1
Grp root
CONF

if ! lpstat -r </dev/null 2>/dev/null | grep -q 'is running'; then
  # Without the service manager of a desktop, nobody has made the server's socket folder.
  mkdir -p /run/cups
  cupsd </dev/null
  for _ in $(seq 100); do
    lpstat -r </dev/null 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
  done
  if ! lpstat -r </dev/null 2>/dev/null | grep -q 'is running'; then
    echo "start-printer: the CUPS server did not start" >&2
    exit 1
  fi
fi

if ! lpstat -p "$printer" </dev/null >/dev/null 2>&1; then
  lpadmin -p "$printer" -E -v cups-pdf:/brindel -P "$ppd" </dev/null 2>/dev/null
fi
cupsenable "$printer" </dev/null
cupsaccept "$printer" </dev/null
lpadmin -d "$printer" </dev/null

echo "start-printer: CUPS default printer $printer, PDF pages in $output"
