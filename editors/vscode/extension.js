// Starts `compila_scenario lsp` for the line files and train run files of the workspace.
const vscode = require('vscode');
const { LanguageClient, TransportKind } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const programma = vscode.workspace.getConfiguration('compilaScenario').get('programma');
  const server = { command: programma || 'compila_scenario', args: ['lsp'], transport: TransportKind.stdio };
  client = new LanguageClient(
    'compilaScenario',
    'compila_scenario',
    { run: server, debug: server },
    {
      documentSelector: [
        { scheme: 'file', language: 'scenario-linea' },
        { scheme: 'file', language: 'scenario-treno' },
      ],
    },
  );
  context.subscriptions.push(client);
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
