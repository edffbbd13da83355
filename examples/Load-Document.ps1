# Loads an item document through the installed Orvantis control (64-bit PowerShell).
# usage: .\Load-Document.ps1 -Path DOCUMENT.xml
param([Parameter(Mandatory = $true)] [string] $Path)

$file = New-Object -ComObject Msxml2.DOMDocument.6.0
$file.async = $false
if (-not $file.load((Resolve-Path $Path).Path)) { throw "cannot read ${Path}: $($file.parseError.reason)" }

$agent = New-Object -ComObject Orvantis.OrvantisAgent
$null = $agent.LoadXML($file.xml)   # an error of the load arrives as an exception
if ($agent.isOk()) { 'loaded' } else { 'not loaded' }
