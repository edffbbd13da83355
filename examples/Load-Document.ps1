# Loads an item document through the installed Orvantis control (64-bit PowerShell).
# usage: .\Load-Document.ps1 -Path DOCUMENT.xml
# The control receives the file's text exactly as written (UTF-8, or UTF-16 by its byte
# order mark), so that it alone parses the document and reports its errors.
param([Parameter(Mandatory = $true)] [string] $Path)

$text = [System.IO.File]::ReadAllText((Resolve-Path $Path).Path)   # decodes by the mark

$agent = New-Object -ComObject Orvantis.OrvantisAgent
$null = $agent.LoadXML($text)   # an error of the load arrives as an exception
if ($agent.isOk()) { 'loaded' } else { 'not loaded'; exit 1 }
